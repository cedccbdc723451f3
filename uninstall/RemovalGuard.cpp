#include "uninstall/RemovalGuard.h"

#include "base/FileUtils.h"
#include "base/SpecialFolders.h"
#include "uninstall/FolderIdentity.h"
#include "uninstall/ProcessImages.h"

#include <shlobj.h>
#include <windows.h>

#include <cwctype>
#include <set>
#include <vector>

namespace {

// Folders that hold what the user or the system cannot lose: shell folders of the user and of
// all users, and the system's own folders.
constexpr int kProtectedFolders[] = {
    CSIDL_WINDOWS,          CSIDL_SYSTEM,           CSIDL_SYSTEMX86,
    CSIDL_PROGRAM_FILES,    CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAM_FILES_COMMON,
    CSIDL_PROGRAM_FILES_COMMONX86,                  CSIDL_PROFILE,
    CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY,
    CSIDL_PERSONAL,         CSIDL_COMMON_DOCUMENTS, CSIDL_APPDATA,
    CSIDL_LOCAL_APPDATA,    CSIDL_COMMON_APPDATA,   CSIDL_STARTMENU,
    CSIDL_COMMON_STARTMENU, CSIDL_PROGRAMS,         CSIDL_COMMON_PROGRAMS,
    CSIDL_STARTUP,          CSIDL_COMMON_STARTUP,   CSIDL_FAVORITES,
    CSIDL_MYMUSIC,          CSIDL_MYPICTURES,       CSIDL_MYVIDEO,
    CSIDL_TEMPLATES,        CSIDL_COMMON_TEMPLATES, CSIDL_FONTS,
    CSIDL_SENDTO,           CSIDL_RECENT,           CSIDL_INTERNET_CACHE,
    CSIDL_COOKIES,          CSIDL_HISTORY,          CSIDL_ADMINTOOLS,
};

// A 32-bit process on 64-bit Windows sees "Program Files (x86)" as CSIDL_PROGRAM_FILES; the
// environment names the other roots.
constexpr const wchar_t* kProtectedVariables[] = {
    L"SystemRoot", L"windir",  L"ProgramFiles",  L"ProgramW6432", L"ProgramFiles(x86)",
    L"CommonProgramFiles", L"CommonProgramW6432", L"USERPROFILE", L"PUBLIC", L"ALLUSERSPROFILE",
    L"ProgramData", L"TEMP", L"TMP",
};

std::wstring withoutTrailingBackslashes(std::wstring path) {
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

bool equalNoCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring upperCase(std::wstring text) {
  if (!text.empty()) CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

// True when folder is other or lies above it as written (both without trailing backslashes).
bool isSpelledSameOrAbove(const std::wstring& folder, const std::wstring& other) {
  if (other.size() < folder.size()) return false;
  if (!equalNoCase(folder, other.substr(0, folder.size()))) return false;
  return other.size() == folder.size() || other[folder.size()] == L'\\';
}

// True when outer (whose identity is outerIdentity) is one of inners or lies above one, either
// as written or as the same folder reached by another spelling: a short name, a share, a drive
// alias or a link.
bool enclosesAny(const std::wstring& outer, const FolderIdentity& outerIdentity,
                 const std::vector<std::wstring>& inners) {
  std::set<std::wstring> ancestors;  // upper case, so that each folder is opened once
  for (const std::wstring& inner : inners) {
    const std::wstring candidate = withoutTrailingBackslashes(inner);
    if (candidate.empty()) continue;
    if (isSpelledSameOrAbove(outer, candidate)) return true;
    for (const std::wstring& ancestor : selfAndAncestors(candidate))
      ancestors.insert(upperCase(ancestor));
  }
  for (const std::wstring& ancestor : ancestors)
    if (folderIdentity(ancestor) == outerIdentity) return true;
  return false;
}

std::wstring fullPath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::wstring();
  std::wstring full(size, L'\0');
  size = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
  full.resize(size);
  return full;
}

bool isDriveAbsolute(const std::wstring& path) {
  return path.size() >= 3 && iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\';
}

// "\\server\share\..." but none of the device forms "\\?\", "\\.\" and "\??\".
bool isShareAbsolute(const std::wstring& path) {
  return path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' &&
         path[2] != L'.' && path[2] != L'\\';
}

bool isRoot(const std::wstring& folder) {
  if (isDriveAbsolute(folder + L"\\")) return folder.size() <= 2;
  size_t server = folder.find(L'\\', 2);
  return server == std::wstring::npos || folder.find(L'\\', server + 1) == std::wstring::npos;
}

std::vector<std::wstring> protectedFolders() {
  std::vector<std::wstring> folders;
  for (int csidl : kProtectedFolders) folders.push_back(specialFolderPath(csidl));
  wchar_t buffer[MAX_PATH] = {};
  if (GetWindowsDirectoryW(buffer, MAX_PATH)) folders.push_back(buffer);
  for (const wchar_t* name : kProtectedVariables) {
    DWORD length = GetEnvironmentVariableW(name, buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) folders.push_back(fullPath(buffer));
  }
  return folders;
}

// The uninstaller's own program as this process runs it and as the paths name it.
std::vector<std::wstring> executableFolders(const UninstallPaths& paths) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return {folderOf(self), folderOf(paths.resolvedExecutable())};
}

bool isFile(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFolder(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Why folder (without trailing backslashes) is not written as a plain full path; empty when it is.
std::wstring spellingRefusal(const std::wstring& folder) {
  if (!isDriveAbsolute(folder + L"\\") && !isShareAbsolute(folder))
    return L"it is not a full path on a drive or share";
  // A stream name ("Desktop::$INDEX_ALLOCATION") names the folder it belongs to.
  if (folder.find(L':', isDriveAbsolute(folder + L"\\") ? 2 : 0) != std::wstring::npos)
    return L"it holds a colon after the drive letter";
  // With its backslash, "C:" names the drive's root rather than the drive's current folder.
  if (!equalNoCase(withoutTrailingBackslashes(fullPath(folder + L"\\")), folder))
    return L"it is not written as a plain full path";
  if (isRoot(folder)) return L"it is the root of a drive or share";
  return std::wstring();
}

// Why the folder (of the given identity) belongs to someone else than the installation.
std::wstring ownerRefusal(const std::wstring& folder, const FolderIdentity& identity,
                          const UninstallPaths& paths) {
  if (enclosesAny(folder, identity, protectedFolders()))
    return L"it is or holds a folder of the system or the user";
  const std::wstring relocation = withoutTrailingBackslashes(paths.relocationFolder());
  if (enclosesAny(folder, identity, {relocation}) ||
      enclosesAny(relocation, folderIdentity(relocation), {folder}))
    return L"it is, holds or lies in the uninstaller's relocation folder";
  if (enclosesAny(folder, identity, executableFolders(paths)))
    return L"it holds the running uninstaller";
  return std::wstring();
}

}  // namespace

std::wstring removalRefusal(const std::wstring& installPath, const UninstallPaths& paths) {
  const std::wstring folder = withoutTrailingBackslashes(installPath);
  std::wstring refusal = spellingRefusal(folder);
  if (!refusal.empty()) return refusal;
  DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return L"it is not a folder";
  const FolderIdentity identity = folderIdentity(folder);
  if (!identity.known) return L"it cannot be opened to tell which folder it is";
  refusal = ownerRefusal(folder, identity, paths);
  if (!refusal.empty()) return refusal;
  if (isReparsePoint(attributes) || isLinkNow(folder)) return L"it is a link";
  if (!isFile(folder + L"\\Uninstall.exe") && !isFolder(folder + L"\\8.22.0.2"))
    return L"it holds neither Uninstall.exe nor 8.22.0.2";
  return std::wstring();
}

std::wstring lateRemovalRefusal(const std::wstring& installPath, const FolderIdentity& checked) {
  const std::wstring folder = withoutTrailingBackslashes(installPath);
  if (isLinkNow(folder)) return L"it has become a link";
  if (folderIdentity(folder) != checked) return L"it is no longer the folder that was checked";
  return std::wstring();
}
