#pragma once

#include <7zTypes.h>

#include <cstddef>
#include <cstdint>

// The decoder's seekable input over bytes held elsewhere (the mapped archive resource); the
// bytes are read in place, never copied.
struct MemoryInStream {
  ISeekInStream vt;  // first, so the SDK's interface pointer is the object's address
  const uint8_t* data;
  uint64_t length;
  uint64_t position;

  MemoryInStream(const void* bytes, uint64_t size);
};
