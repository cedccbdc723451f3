#include "KxResourceMappingFile.h"

#include "base/WinHandles.h"

#include <windows.h>

KX_IMPLEMENT_CLASS(KxResourceMappingFile, KxResourceMapping)

namespace {

KxByteArray readWholeFile(const KxString& path) {
  UniqueFile file(CreateFileW(path.constData(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return KxByteArray();
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFF0) return KxByteArray();
  KxByteArray bytes;
  bytes.resize(static_cast<int>(size.QuadPart));
  if (size.QuadPart == 0) return bytes;
  char* target = bytes.size() == size.QuadPart ? bytes.data() : nullptr;
  DWORD read = 0;
  if (!target ||  // no memory for the whole file: never read into a smaller block
      !ReadFile(file.get(), target, static_cast<DWORD>(size.QuadPart), &read, nullptr) ||
      read != size.QuadPart)
    return KxByteArray();
  return bytes;
}

}  // namespace

KxByteArray KxResourceMappingFile::get(const KxUrl& url) const {
  if (const KxByteArray* stored = find(url)) return *stored;
  return readWholeFile(url.path());
}
