#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A small non-validating reader of XML files written by others: the whole file is decoded from
// UTF-8, its elements are indexed in one pass, and a cursor walks the element tree. A damaged or
// hostile file gives false and a report in result(), never a crash or a read past the text.
class XmlDocument {
 public:
  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Reads, decodes and indexes the file; true when it is well formed (exactly one top-level
  // element and nothing ill formed). The result text tells what happened either way.
  bool load(const std::wstring& path);
  // Indexes text already in memory, with the same rules (the result gets no byte count).
  bool setText(std::wstring text);

  const std::wstring& result() const { return result_; }

  // The cursor: parent, main (current) and child element; findElem moves main among the
  // children of parent.
  bool findElem(const std::wstring& name);
  // Like findElem, for an element of any name.
  bool findAnyElem();
  bool intoElem();
  bool outOfElem();

  // Of the main element; empty without one.
  std::wstring tagName() const;
  // The decoded value of the named attribute of the main element; empty without one.
  std::wstring getAttrib(const std::wstring& name) const;
  // All attributes of the main element in document order, values decoded.
  std::vector<std::pair<std::wstring, std::wstring>> attributes() const;

  // Records per index segment; the index grows by whole segments.
  static constexpr size_t kSegmentRecords = 65536;

 private:
  struct Record;
  class Parser;

  Record& record(int index);
  const Record& record(int index) const;
  int addRecord();
  bool findSibling(const std::wstring* name);
  bool parse();

  std::wstring text_;
  std::wstring result_;
  std::vector<std::unique_ptr<std::vector<Record>>> segments_;
  int count_ = 0;
  int parent_ = 0;
  int main_ = 0;
  int child_ = 0;
};
