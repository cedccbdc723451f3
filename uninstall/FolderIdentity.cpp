#include "uninstall/FolderIdentity.h"

#include "base/FileUtils.h"
#include "base/WinHandles.h"

#include <windows.h>

namespace {

// Opening a folder needs backup semantics; no access right is asked, so a folder in use or
// locked down still tells its identity.
UniqueFile openFolder(const std::wstring& path, DWORD extraFlags) {
  return UniqueFile(CreateFileW(path.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | extraFlags, nullptr));
}

// "\\?\C:\x" gives "C:\x", "\\?\UNC\server\share" gives "\\server\share".
std::wstring finalPath(const std::wstring& path) {
  UniqueFile folder = openFolder(path, 0);
  if (!folder) return std::wstring();
  wchar_t buffer[MAX_PATH * 2] = {};
  DWORD length = GetFinalPathNameByHandleW(folder.get(), buffer, MAX_PATH * 2, 0);
  if (length == 0 || length >= MAX_PATH * 2) return std::wstring();
  std::wstring text(buffer, length);
  if (text.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\" + text.substr(7);
  if (text.compare(0, 4, L"\\\\?\\") == 0) return text.substr(4);
  return text;
}

void appendChain(std::wstring folder, std::vector<std::wstring>* chain) {
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  while (!folder.empty()) {
    if (folder.size() == 2 && folder[1] == L':') {  // "C:" alone names the drive's current folder
      chain->push_back(folder + L"\\");
      return;
    }
    chain->push_back(folder);
    size_t slash = folder.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash < 2) return;  // "\\server" has nothing above it
    folder.resize(slash);
  }
}

}  // namespace

FolderIdentity folderIdentity(const std::wstring& path) {
  FolderIdentity identity;
  UniqueFile folder = openFolder(path, 0);
  BY_HANDLE_FILE_INFORMATION info = {};
  if (!folder || !GetFileInformationByHandle(folder.get(), &info)) return identity;
  identity.known = true;
  identity.volume = info.dwVolumeSerialNumber;
  identity.indexHigh = info.nFileIndexHigh;
  identity.indexLow = info.nFileIndexLow;
  return identity;
}

bool isLinkNow(const std::wstring& path) {
  UniqueFile entry = openFolder(path, FILE_FLAG_OPEN_REPARSE_POINT);
  BY_HANDLE_FILE_INFORMATION info = {};
  if (entry && GetFileInformationByHandle(entry.get(), &info))
    return isReparsePoint(info.dwFileAttributes);
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && isReparsePoint(attributes);
}

std::vector<std::wstring> selfAndAncestors(const std::wstring& folder) {
  std::vector<std::wstring> chain;
  appendChain(folder, &chain);
  std::wstring resolved = finalPath(folder);
  if (!resolved.empty()) appendChain(resolved, &chain);
  return chain;
}
