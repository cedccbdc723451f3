#include "setup/extract/MemoryInStream.h"

#include <cstring>

namespace {

// Reads exactly the requested bytes or nothing: a read beyond the end is a damaged archive.
SRes readExact(ISeekInStreamPtr p, void* buffer, size_t* size) {
  auto* self = reinterpret_cast<MemoryInStream*>(const_cast<ISeekInStream*>(p));
  const uint64_t requested = *size;
  // Compared without adding, so a huge request or position cannot wrap around.
  if (self->position > self->length || requested > self->length - self->position) {
    *size = 0;
    return SZ_ERROR_ARCHIVE;
  }
  if (requested) std::memcpy(buffer, self->data + self->position, static_cast<size_t>(requested));
  self->position += requested;
  return SZ_OK;
}

SRes seek(ISeekInStreamPtr p, Int64* offset, ESzSeek origin) {
  auto* self = reinterpret_cast<MemoryInStream*>(const_cast<ISeekInStream*>(p));
  switch (origin) {
    case SZ_SEEK_SET:
      self->position = static_cast<uint64_t>(*offset);
      break;
    case SZ_SEEK_CUR:
      self->position += static_cast<uint64_t>(*offset);
      break;
    case SZ_SEEK_END:
      self->position = self->length;  // the decoder only seeks to the end with offset 0
      break;
    default:
      return SZ_ERROR_UNSUPPORTED;
  }
  *offset = static_cast<Int64>(self->position);
  return SZ_OK;
}

}  // namespace

MemoryInStream::MemoryInStream(const void* bytes, uint64_t size)
    : data(static_cast<const uint8_t*>(bytes)), length(size), position(0) {
  vt.Read = readExact;
  vt.Seek = seek;
}
