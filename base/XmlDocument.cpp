#include "XmlDocument.h"

#include "WideFormat.h"
#include "XmlTag.h"
#include "XmlText.h"

#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <unordered_map>

struct XmlDocument::Record {
  size_t start = 0;     // offset of the start tag's "<"
  size_t tagLength = 0;  // the start tag
  size_t length = 0;     // the whole element, end tag included
  size_t nameLength = 0;
  int parent = 0;
  int firstChild = 0;
  int lastChild = 0;
  int next = 0;
  int prev = 0;
  int depth = 0;
  bool ended = false;
  bool empty = false;
  bool illFormed = false;
};

XmlDocument::XmlDocument() = default;
XmlDocument::~XmlDocument() = default;

XmlDocument::Record& XmlDocument::record(int index) {
  return (*segments_[index / kSegmentRecords])[index % kSegmentRecords];
}

const XmlDocument::Record& XmlDocument::record(int index) const {
  return (*segments_[index / kSegmentRecords])[index % kSegmentRecords];
}

int XmlDocument::addRecord() {
  if (static_cast<size_t>(count_) == segments_.size() * kSegmentRecords) {
    segments_.push_back(std::make_unique<std::vector<Record>>());
    segments_.back()->reserve(kSegmentRecords);
  }
  segments_.back()->emplace_back();
  return count_++;
}

namespace {

// The standard text of an error number, up to its first line break.
std::wstring errorText(int number) {
  std::wstring text = _wcserror(number);
  size_t end = text.find_first_of(L"\r\n");
  return end == std::wstring::npos ? text : text.substr(0, end);
}

}  // namespace

bool XmlDocument::load(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) {
    const int number = errno;
    setText(std::wstring());
    result_ = errorText(number);
    return false;
  }
  std::string bytes;
  char buffer[65536];
  size_t got = 0;
  while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  fclose(file);
  std::wstring text = decodeUtf8Lenient(bytes.data(), bytes.size());
  std::wstring report = formatWide(L"%s%d bytes to %d wide chars", L"",
                                   static_cast<int>(bytes.size()), static_cast<int>(text.size()));
  bool wellFormed = setText(std::move(text));
  if (!text_.empty()) result_ = result_.empty() ? report : report + L", " + result_;
  return wellFormed;
}

// Walks the text once; every problem adds a message and marks the element it belongs to (the
// document record when it belongs to none). Open elements are kept on a stack, with a count per
// name so that an end tag without a matching start tag costs no walk of the stack.
class XmlDocument::Parser {
 public:
  explicit Parser(XmlDocument& doc) : doc_(doc), text_(doc.text_) { stack_.push_back(0); }

  void run() {
    size_t pos = 0;
    while ((pos = text_.find(L'<', pos)) != std::wstring::npos) {
      size_t next = token(pos);
      if (next == std::wstring::npos) break;  // unterminated: nothing after it can be trusted
      pos = next;
    }
    while (stack_.size() > 1) notEnded(pop());
  }

 private:
  size_t token(size_t pos) {
    if (pos + 1 >= text_.size()) return unterminated(L"Element tag", pos);
    switch (text_[pos + 1]) {
      case L'/': return endTag(pos);
      case L'?': return skipTo(pos, L"?>", L"Processing instruction");
      case L'!': return bang(pos);
      default: return startTag(pos);
    }
  }

  size_t bang(size_t pos) {
    if (text_.compare(pos, 4, L"<!--") == 0) return skipTo(pos, L"-->", L"Comment", 4);
    if (text_.compare(pos, 9, L"<![CDATA[") == 0) return skipTo(pos, L"]]>", L"CDATA Section", 9);
    if (text_.compare(pos, 9, L"<!DOCTYPE") == 0) return doctype(pos);
    if (text_.compare(pos, 3, L"<!-") == 0) return incorrect(L"comment tag", pos, pos + 3);
    return incorrect(L"! tag", pos, pos + 2);
  }

  size_t doctype(size_t pos) {
    bool inSubset = false;
    for (size_t i = pos + 9; i < text_.size(); ++i) {
      if (text_[i] == L'[') inSubset = true;
      if (text_[i] == L']') inSubset = false;
      if (text_[i] == L'>' && !inSubset) return i + 1;
    }
    return unterminated(L"Doctype", pos);
  }

  size_t skipTo(size_t pos, const wchar_t* end, const wchar_t* kind, size_t from = 2) {
    size_t found = text_.find(end, pos + from);
    if (found == std::wstring::npos) return unterminated(kind, pos);
    return found + std::char_traits<wchar_t>::length(end);
  }

  size_t startTag(size_t pos) {
    XmlTag tag(text_, pos);
    if (!tag.nameStartsWell()) return incorrect(L"tag", pos, pos + 1);
    tag.scan();
    if (!tag.terminated()) return unterminated(L"Element tag", pos);
    int index = doc_.addRecord();
    Record& r = doc_.record(index);
    r.start = pos;
    r.tagLength = tag.end() - pos;
    r.length = r.tagLength;
    r.nameLength = tag.name().size();
    r.empty = tag.isEmpty();
    r.ended = r.empty;
    link(index);
    if (tag.badNameCharAt() != std::wstring::npos) {
      message(formatWide(L"Incorrect %s at offset %d", L"tag name character",
                         static_cast<int>(tag.badNameCharAt())));
      r.illFormed = true;
    }
    if (!r.empty) {
      stack_.push_back(index);
      ++open_[std::wstring(tag.name())];
    }
    return tag.end();
  }

  size_t endTag(size_t pos) {
    size_t close = text_.find(L'>', pos + 2);
    if (close == std::wstring::npos) return unterminated(L"Element end tag", pos);
    size_t nameEnd = pos + 2;
    while (nameEnd < close && !isXmlSpace(text_[nameEnd])) ++nameEnd;
    std::wstring name = text_.substr(pos + 2, nameEnd - pos - 2);
    if (name.empty()) return incorrect(L"tag", pos, close + 1);
    auto found = open_.find(name);
    if (found == open_.end() || found->second == 0) {
      if (stack_.size() == 1) {
        message(formatWide(L"No start tag for end tag '%s' at offset %d", name.c_str(),
                           static_cast<int>(pos)));
        doc_.record(0).illFormed = true;
      } else {
        const Record& top = doc_.record(stack_.back());
        message(formatWide(L"End tag '%s' at offset %d does not match start tag '%s' at offset %d",
                           name.c_str(), static_cast<int>(pos), nameOf(top).c_str(),
                           static_cast<int>(top.start)));
        doc_.record(stack_.back()).illFormed = true;
      }
      return close + 1;
    }
    while (nameOf(doc_.record(stack_.back())) != name) notEnded(pop());
    Record& r = doc_.record(pop());
    r.ended = true;
    r.length = close + 1 - r.start;
    return close + 1;
  }

  void link(int index) {
    Record& r = doc_.record(index);
    const int parent = stack_.back();
    Record& p = doc_.record(parent);
    r.parent = parent;
    r.depth = static_cast<int>(stack_.size()) - 1;
    r.prev = p.lastChild;
    if (p.lastChild) doc_.record(p.lastChild).next = index;
    else p.firstChild = index;
    p.lastChild = index;
  }

  int pop() {
    int index = stack_.back();
    stack_.pop_back();
    --open_[nameOf(doc_.record(index))];
    return index;
  }

  void notEnded(int index) {
    Record& r = doc_.record(index);
    r.illFormed = true;
    r.length = text_.size() - r.start;
    message(formatWide(L"Element '%s' at offset %d not ended", nameOf(r).c_str(),
                       static_cast<int>(r.start)));
  }

  size_t unterminated(const wchar_t* kind, size_t pos) {
    message(formatWide(L"%s at offset %d unterminated", kind, static_cast<int>(pos)));
    doc_.record(stack_.back()).illFormed = true;
    return std::wstring::npos;
  }

  size_t incorrect(const wchar_t* kind, size_t pos, size_t resume) {
    message(formatWide(L"Incorrect %s at offset %d", kind, static_cast<int>(pos)));
    doc_.record(stack_.back()).illFormed = true;
    return resume;
  }

  std::wstring nameOf(const Record& r) const { return text_.substr(r.start + 1, r.nameLength); }

  void message(const std::wstring& text) {
    if (!doc_.result_.empty()) doc_.result_ += L", ";
    doc_.result_ += text;
  }

  XmlDocument& doc_;
  const std::wstring& text_;
  std::vector<int> stack_;
  std::unordered_map<std::wstring, int> open_;
};

bool XmlDocument::setText(std::wstring text) {
  text_ = std::move(text);
  result_.clear();
  segments_.clear();
  count_ = 0;
  parent_ = main_ = child_ = 0;
  return parse();
}

bool XmlDocument::parse() {
  addRecord();  // the document itself
  if (text_.empty()) {
    result_ = L"Empty document";
    return false;
  }
  Parser(*this).run();
  int roots = 0;
  for (int i = record(0).firstChild; i; i = record(i).next) ++roots;
  if (roots == 0) result_ += result_.empty() ? L"No root element" : L", No root element";
  if (roots > 1) result_ += result_.empty() ? L"Root element has sibling" : L", Root element has sibling";
  bool wellFormed = roots == 1;
  for (int i = 0; i < count_ && wellFormed; ++i) wellFormed = !record(i).illFormed;
  return wellFormed;
}

bool XmlDocument::findSibling(const std::wstring* name) {
  int from = main_ ? record(main_).next : record(parent_).firstChild;
  for (int i = from; i; i = record(i).next) {
    const Record& r = record(i);
    if (!name || (r.nameLength == name->size() && text_.compare(r.start + 1, r.nameLength, *name) == 0)) {
      main_ = i;
      child_ = 0;
      return true;
    }
  }
  return false;
}

bool XmlDocument::findElem(const std::wstring& name) { return findSibling(&name); }
bool XmlDocument::findAnyElem() { return findSibling(nullptr); }

bool XmlDocument::intoElem() {
  if (!main_) return false;
  parent_ = main_;
  main_ = child_;
  child_ = 0;
  return true;
}

bool XmlDocument::outOfElem() {
  if (!parent_) return false;
  child_ = main_;
  main_ = parent_;
  parent_ = record(parent_).parent;
  return true;
}

std::wstring XmlDocument::tagName() const {
  if (!main_) return std::wstring();
  const Record& r = record(main_);
  return text_.substr(r.start + 1, r.nameLength);
}

std::vector<std::pair<std::wstring, std::wstring>> XmlDocument::attributes() const {
  std::vector<std::pair<std::wstring, std::wstring>> list;
  if (!main_) return list;
  XmlTag tag(text_, record(main_).start);
  tag.scan([&list](std::wstring_view name, std::wstring_view value) {
    list.emplace_back(std::wstring(name), decodeXmlReferences(std::wstring(value)));
  });
  return list;
}

std::wstring XmlDocument::getAttrib(const std::wstring& name) const {
  for (auto& attribute : attributes())
    if (attribute.first == name) return attribute.second;
  return std::wstring();
}
