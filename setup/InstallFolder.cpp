#include "setup/InstallFolder.h"

#include "base/SpecialFolders.h"
#include "base/TextConvert.h"
#include "base/WinHandles.h"
#include "setup/ProductNames.h"

#include <shlobj.h>
#include <shlwapi.h>
#include <windows.h>

namespace {

// The folder as the validity rule read it: blanks trimmed, "/" as "\\", runs of backslashes
// made single. Used as typed, "C:/Apps" would be cut to the drive below.
std::wstring cleanedFolder(const std::wstring& folder) {
  std::wstring cleaned;
  for (wchar_t c : trimBlanks(folder)) {
    if (c == L'/') c = L'\\';
    if (c == L'\\' && !cleaned.empty() && cleaned.back() == L'\\') continue;
    cleaned.push_back(c);
  }
  return cleaned;
}

}  // namespace

std::wstring normalizeInstallDir(const std::wstring& folder) {
  std::wstring dir = cleanedFolder(folder);
  if (dir.empty() || dir.back() != L'\\') dir += L'\\';
  size_t firstSlash = dir.find(L'\\');
  size_t lastOther = dir.find_last_not_of(L'\\');
  if (lastOther != std::wstring::npos && firstSlash == lastOther + 1 && dir.size() > 3)
    dir.resize(3);
  if (PathIsRootW(dir.c_str())) dir += std::wstring(product::kName) + L"\\";
  return dir;
}

std::wstring previousInstallDir() {
  UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, product::kRegistryKey, 0, KEY_QUERY_VALUE,
                    key.receive()) != ERROR_SUCCESS)
    return std::wstring();
  // 2,046 bytes, read with room for a terminator that the stored value may lack.
  wchar_t value[1023] = {};
  DWORD bytes = sizeof value - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key.get(), L"RootDir", nullptr, &type, reinterpret_cast<BYTE*>(value),
                       &bytes) != ERROR_SUCCESS)
    return std::wstring();
  std::wstring dir = value;
  return dir.size() >= 4 ? dir : std::wstring();
}

std::wstring defaultInstallDir() {
  std::wstring programFiles = specialFolderPath(CSIDL_PROGRAM_FILES);
  if (programFiles.empty()) return std::wstring();
  if (programFiles.back() != L'\\') programFiles += L'\\';
  return programFiles + product::kMaker + L"\\" + product::kName;
}
