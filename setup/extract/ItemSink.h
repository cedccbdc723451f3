#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Where extractArchive hands the archive's items, one after the other.
class ItemSink {
 public:
  virtual ~ItemSink() = default;
  virtual bool wantItem(const std::wstring& name) = 0;
  // Places one item; false stops the extraction as failed. data is null for a folder.
  virtual bool output(const std::wstring& name, bool isDir, const uint8_t* data, size_t size) = 0;
  virtual bool continueLoop() = 0;
  // After each item; index is 0-based.
  virtual void progress(unsigned index, unsigned count) = 0;
};

// Asked after every item whether the extraction should end early.
class ICancelQuery {
 public:
  virtual ~ICancelQuery() = default;
  virtual bool isStopRequested() const = 0;
};
