#include "XmlText.h"

#include <cstdint>

namespace {

void appendCodePoint(std::wstring& out, uint32_t cp) {
  if (cp <= 0xFFFF) {
    out.push_back(static_cast<wchar_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
  }
}

// Continuation bytes after a lead byte of the form 110xxxxx, 1110xxxx or 11110xxx; -1 otherwise.
int continuationCount(uint8_t lead) {
  if ((lead & 0xE0) == 0xC0) return 1;
  if ((lead & 0xF0) == 0xE0) return 2;
  if ((lead & 0xF8) == 0xF0) return 3;
  return -1;
}

}  // namespace

std::wstring decodeUtf8Lenient(const char* bytes, size_t size) {
  std::wstring out;
  out.reserve(size);
  size_t i = 0;
  while (i < size) {
    const uint8_t lead = static_cast<uint8_t>(bytes[i]);
    uint32_t cp = lead;
    if (lead < 0x80) {
      ++i;
    } else if (continuationCount(lead) < 0) {
      cp = L'?';  // 11111xxx, or a continuation byte without a lead
      ++i;
    } else {
      const int more = continuationCount(lead);
      cp = lead & (0x3F >> more);
      size_t next = i + 1;
      bool cut = false;
      for (int k = 0; k < more && !cut; ++k, ++next) {
        cut = next >= size || (static_cast<uint8_t>(bytes[next]) & 0xC0) != 0x80;
        if (!cut) cp = (cp << 6) | (static_cast<uint8_t>(bytes[next]) & 0x3F);
      }
      if (cut) --next;  // the byte that broke the sequence is read again as a character
      i = next;
      if (cut || cp > 0x10FFFF) cp = L'?';
    }
    if (cp == 0) break;
    appendCodePoint(out, cp);
  }
  return out;
}

namespace {

int digitValue(wchar_t c, bool hex) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (!hex) return -1;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// A numeric reference starting at the ampersand at pos: its code point and length, or 0.
size_t numericReference(const std::wstring& v, size_t pos, uint32_t* cp) {
  size_t i = pos + 2;  // after "&#"
  const bool hex = i < v.size() && v[i] == L'x';
  if (hex) ++i;
  uint32_t value = 0;
  size_t digits = 0;
  for (; i < v.size() && digits < 7; ++i, ++digits) {
    int d = digitValue(v[i], hex);
    if (d < 0) break;
    value = value * (hex ? 16 : 10) + static_cast<uint32_t>(d);
  }
  if (digits == 0 || i >= v.size() || v[i] != L';') return 0;
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *cp = value;
  return i + 1 - pos;
}

struct NamedEntity {
  const wchar_t* text;
  wchar_t ch;
};
constexpr NamedEntity kEntities[] = {
    {L"&lt;", L'<'}, {L"&amp;", L'&'}, {L"&gt;", L'>'}, {L"&apos;", L'\''}, {L"&quot;", L'"'},
};

}  // namespace

std::wstring decodeXmlReferences(const std::wstring& value) {
  if (value.find(L'&') == std::wstring::npos) return value;
  std::wstring out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size();) {
    if (value[i] != L'&') {
      out.push_back(value[i++]);
      continue;
    }
    size_t used = 0;
    if (i + 1 < value.size() && value[i + 1] == L'#') {
      uint32_t cp = 0;
      used = numericReference(value, i, &cp);
      if (used) appendCodePoint(out, cp);
    } else {
      for (const NamedEntity& e : kEntities) {
        if (value.compare(i, std::char_traits<wchar_t>::length(e.text), e.text) == 0) {
          used = std::char_traits<wchar_t>::length(e.text);
          out.push_back(e.ch);
          break;
        }
      }
    }
    if (used) {
      i += used;
    } else {
      out.push_back(value[i++]);
    }
  }
  return out;
}
