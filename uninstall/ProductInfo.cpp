#include "uninstall/ProductInfo.h"

#include "base/TextConvert.h"
#include "base/WinHandles.h"

#include <windows.h>

#include <cwchar>

namespace {

constexpr int kDefaultId = 1;
constexpr DWORD kBomBytes = 3;
constexpr DWORD kMaxLineBytes = 1023;

}  // namespace

int productIdFromLine(const std::wstring& line) {
  size_t equals = line.find(L'=');
  if (equals == std::wstring::npos) return kDefaultId;
  int id = static_cast<int>(std::wcstol(line.c_str() + equals + 1, nullptr, 10));
  return id == 0 ? kDefaultId : id;
}

int readProductId(const std::wstring& setupDataDir) {
  // Read access is enough: the file is never written here.
  UniqueFile file(CreateFileW((setupDataDir + L"ProductInfo.txt").c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return kDefaultId;
  SetFilePointer(file.get(), kBomBytes, nullptr, FILE_BEGIN);
  char bytes[kMaxLineBytes + 1] = {};
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes, kMaxLineBytes, &read, nullptr)) return kDefaultId;
  std::string line(bytes, read);
  line = line.substr(0, line.find('\n'));
  return productIdFromLine(multiByteToWide(line.data(), static_cast<int>(line.size()), CP_UTF8));
}
