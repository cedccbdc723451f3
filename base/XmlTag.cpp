#include "XmlTag.h"

namespace {

bool isNameStart(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_' || c == L':' ||
         c >= 0x80;
}

bool isNameChar(wchar_t c) {
  return isNameStart(c) || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.';
}

bool endsName(wchar_t c) { return isXmlSpace(c) || c == L'>' || c == L'/'; }

}  // namespace

bool isXmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

bool XmlTag::nameStartsWell() const {
  return pos_ + 1 < text_.size() && isNameStart(text_[pos_ + 1]);
}

std::wstring_view XmlTag::name() const {
  return std::wstring_view(text_).substr(pos_ + 1, nameEnd_ - pos_ - 1);
}

size_t XmlTag::scanName(size_t i) {
  while (i < text_.size() && isNameChar(text_[i])) ++i;
  nameEnd_ = i;
  if (i < text_.size() && !endsName(text_[i])) {
    badNameChar_ = i;
    while (i < text_.size() && !endsName(text_[i])) ++i;
  }
  return i;
}

void XmlTag::scan(const AttributeSink& sink) {
  const size_t n = text_.size();
  size_t i = scanName(pos_ + 1);
  while (i < n) {
    const wchar_t c = text_[i];
    if (isXmlSpace(c)) {
      ++i;
    } else if (c == L'>') {
      end_ = i + 1;
      return;
    } else if (c == L'/') {
      if (i + 1 < n && text_[i + 1] == L'>') {
        empty_ = true;
        end_ = i + 2;
        return;
      }
      ++i;
    } else if (c == L'=') {
      ++i;  // a value without a name
    } else {
      i = scanAttribute(i, sink);
    }
  }
}

size_t XmlTag::scanAttribute(size_t i, const AttributeSink& sink) {
  const size_t n = text_.size();
  const size_t nameStart = i;
  while (i < n && !endsName(text_[i]) && text_[i] != L'=') ++i;
  std::wstring_view view(text_);
  std::wstring_view name = view.substr(nameStart, i - nameStart);
  size_t j = i;
  while (j < n && isXmlSpace(text_[j])) ++j;
  std::wstring_view value;
  if (j < n && text_[j] == L'=') {
    ++j;
    while (j < n && isXmlSpace(text_[j])) ++j;
    if (j >= n) return std::wstring::npos;
    if (text_[j] == L'"' || text_[j] == L'\'') {
      size_t close = text_.find(text_[j], j + 1);
      if (close == std::wstring::npos) return std::wstring::npos;
      value = view.substr(j + 1, close - j - 1);
      i = close + 1;
    } else {
      size_t start = j;
      while (j < n && !isXmlSpace(text_[j]) && text_[j] != L'>') ++j;
      value = view.substr(start, j - start);
      i = j;
    }
  }
  if (sink) sink(name, value);
  return i;
}
