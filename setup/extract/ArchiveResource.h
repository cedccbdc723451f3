#pragma once

#include <windows.h>

#include <cstddef>

// The product archive that the installer carries: resource type "zip", id 101. The bytes stay
// in the mapped module; release() gives the resource back.
class ArchiveResource {
 public:
  static constexpr int kId = 101;

  ArchiveResource() = default;
  ~ArchiveResource() { release(); }
  ArchiveResource(const ArchiveResource&) = delete;
  ArchiveResource& operator=(const ArchiveResource&) = delete;

  // Finds and maps the resource in module (null: the program's own); logs what fails.
  bool load(HMODULE module = nullptr);
  void release();

  const void* data() const { return data_; }
  size_t size() const { return size_; }

 private:
  HGLOBAL loaded_ = nullptr;
  const void* data_ = nullptr;
  size_t size_ = 0;
};
