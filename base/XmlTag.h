#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

bool isXmlSpace(wchar_t c);

// One start tag of an XML text: its name, its attributes and where it ends. Reads only within
// the text; a tag that reaches the end of the text is reported as not terminated.
class XmlTag {
 public:
  using AttributeSink = std::function<void(std::wstring_view name, std::wstring_view value)>;

  // pos: the offset of the tag's "<".
  XmlTag(const std::wstring& text, size_t pos) : text_(text), pos_(pos) {}

  // The character after "<" may begin a name.
  bool nameStartsWell() const;
  // Reads the name and the attributes up to ">" or "/>", handing each attribute (value raw,
  // without its quotes) to sink.
  void scan(const AttributeSink& sink = nullptr);

  bool terminated() const { return end_ != std::wstring::npos; }
  // The offset after the tag.
  size_t end() const { return end_; }
  bool isEmpty() const { return empty_; }
  std::wstring_view name() const;
  // The offset of the first character that cannot stand in a name, or npos.
  size_t badNameCharAt() const { return badNameChar_; }

 private:
  size_t scanName(size_t i);
  // One attribute from i; returns the offset after it, or npos when the text ends inside it.
  size_t scanAttribute(size_t i, const AttributeSink& sink);

  const std::wstring& text_;
  size_t pos_;
  size_t nameEnd_ = 0;
  size_t end_ = std::wstring::npos;
  size_t badNameChar_ = std::wstring::npos;
  bool empty_ = false;
};
