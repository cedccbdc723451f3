#include "InstallPath.h"

#include "TextConvert.h"

#include <windows.h>

#include <cwctype>

std::wstring normalizePath(const std::wstring& path) {
  std::wstring upper = path;
  if (!upper.empty()) CharUpperBuffW(&upper[0], static_cast<DWORD>(upper.size()));
  std::wstring result;
  result.reserve(upper.size());
  for (wchar_t c : upper) {
    if (c == L'/') c = L'\\';
    if (c == L'\\' && !result.empty() && result.back() == L'\\') continue;
    result.push_back(c);
  }
  size_t first = result.find_first_not_of(L'\\');
  if (first == std::wstring::npos) return std::wstring();
  size_t last = result.find_last_not_of(L'\\');
  return result.substr(first, last - first + 1);
}

namespace {

// A relative path, a UNC path or a bare drive ("C:" means that drive's current folder) is not
// an install folder, even where the free-space call would accept its first characters.
bool startsWithDriveRoot(const std::wstring& path) {
  std::wstring text = trimBlanks(path);
  return text.size() >= 3 && std::iswalpha(text[0]) && text[0] < 0x80 && text[1] == L':' &&
         (text[2] == L'\\' || text[2] == L'/');
}

bool driveFreeSpace(const std::wstring& root, ULARGE_INTEGER* available) {
  return GetDiskFreeSpaceExW(root.c_str(), available, nullptr, nullptr) != FALSE;
}

}  // namespace

bool isValidInstallPath(const std::wstring& path) {
  if (!startsWithDriveRoot(path)) return false;
  std::wstring p = trimBlanks(normalizePath(path));
  ULARGE_INTEGER available;
  if (!driveFreeSpace(p.substr(0, 3), &available)) return false;
  if (p.size() <= 3) return true;

  std::wstring rest = trimBlanks(p.substr(3));
  if (rest.find_first_of(L"/:*?\"<>|") != std::wstring::npos) return false;
  // Inner elements must not be blank; no element may end in a dot: "." and ".." lead the
  // installation (and its clean-up) to another folder, and the system drops trailing dots.
  size_t start = 0;
  for (;;) {
    const size_t slash = rest.find(L'\\', start);
    const std::wstring element =
        trimBlanks(rest.substr(start, slash == std::wstring::npos ? slash : slash - start));
    if (!element.empty() && element.back() == L'.') return false;
    if (slash == std::wstring::npos) return true;
    if (element.empty()) return false;
    start = slash + 1;
  }
}

double freeSpaceMB(const std::wstring& path) {
  ULARGE_INTEGER available;
  if (!driveFreeSpace(path.substr(0, 3), &available)) return 0.0;
  return static_cast<double>(available.QuadPart) * (1.0 / 1048576.0);
}
