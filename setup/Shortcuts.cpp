#include "setup/Shortcuts.h"

#include "base/LogFile.h"
#include "base/WinHandles.h"
#include "setup/ProductNames.h"
#include "setup/ShellLink.h"

#include <shlobj.h>
#include <shlwapi.h>
#include <windows.h>

void createShortcut(const std::wstring& target, const std::wstring& linkPath,
                    const std::wstring& workingDir) {
  ShellLink link;
  if (!link.created()) {
    writeLog(L"ZeloSetupCore::_createShortcut, CoCreateInstance fail.");
    return;
  }
  link.setTarget(target);
  link.setWorkingDir(workingDir);
  if (!link.persistent()) {
    writeLog(L"ZeloSetupCore::_createShortcut, QueryInterface fail.");
    return;
  }
  link.save(linkPath);
}

namespace {

// The special folder, or empty after logging why not.
std::wstring resolveFolder(int csidl) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) {
    writeLog(L"ZeloSetupCore::_createShortcut, SHGetSpecialFolderLocation fail.");
    return std::wstring();
  }
  wchar_t path[MAX_PATH] = {};
  BOOL ok = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  if (!ok || !path[0]) {
    writeLog(L"ZeloSetupCore::_createShortcut, SHGetPathFromIDList fail.");
    return std::wstring();
  }
  return path;
}

std::wstring linkName(const wchar_t* name) { return std::wstring(L"\\") + name + L".lnk"; }

}  // namespace

void createProductShortcuts(const std::wstring& installDir, const std::wstring& workingDir) {
  const std::wstring desktop = resolveFolder(CSIDL_DESKTOPDIRECTORY);
  const std::wstring programs = resolveFolder(CSIDL_PROGRAMS);
  const std::wstring startMenu = resolveFolder(CSIDL_STARTMENU);
  const std::wstring exe = installDir + product::kExecutable;
  // NOTE: an empty folder would put the link relative to the current folder: skip it.
  if (!desktop.empty()) createShortcut(exe, desktop + linkName(product::kName), workingDir);
  std::wstring group;
  if (!programs.empty()) {
    group = programs + L"\\" + product::kName;
    SHCreateDirectoryExW(nullptr, group.c_str(), nullptr);
    createShortcut(exe, group + linkName(product::kName), workingDir);
  }
  if (!startMenu.empty()) createShortcut(exe, startMenu + linkName(product::kName), workingDir);
  if (!group.empty())
    createShortcut(installDir + product::kUninstaller, group + linkName(product::kUninstallLinkName),
                   workingDir);
}

namespace {

bool sameFolder(const std::wstring& file, const std::wstring& folder) {
  const size_t slash = file.find_last_of(L'\\');
  if (slash == std::wstring::npos) return false;
  std::wstring b = folder;
  while (!b.empty() && b.back() == L'\\') b.pop_back();
  return CompareStringOrdinal(file.c_str(), static_cast<int>(slash), b.c_str(), -1, TRUE) ==
         CSTR_EQUAL;
}

bool isProductProgram(const std::wstring& target) {
  const wchar_t* name = PathFindFileNameW(target.c_str());
  return lstrcmpiW(name, product::kLauncher) == 0 || lstrcmpiW(name, product::kExecutable) == 0;
}

void retarget(const std::wstring& linkPath, const std::wstring& installDir,
              const std::wstring& workingDir) {
  ShellLink link;
  if (!link.load(linkPath)) return;
  const std::wstring target = link.target();
  if (!isProductProgram(target) || !sameFolder(target, installDir)) return;
  link.setTarget(installDir + product::kExecutable);
  link.setWorkingDir(workingDir);
  link.save(linkPath);
}

void retargetFolder(const std::wstring& folder, const std::wstring& installDir,
                    const std::wstring& workingDir) {
  WIN32_FIND_DATAW entry;
  UniqueFind find(FindFirstFileW((folder + L"\\*.lnk").c_str(), &entry));
  if (!find) return;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    // The pattern also matches longer extensions through short names.
    if (lstrcmpiW(PathFindExtensionW(entry.cFileName), L".lnk") != 0) continue;
    retarget(folder + L"\\" + entry.cFileName, installDir, workingDir);
  } while (FindNextFileW(find.get(), &entry));
}

}  // namespace

void updatePinnedShortcuts(const std::wstring& installDir, const std::wstring& workingDir) {
  wchar_t quickLaunch[MAX_PATH] = {};
  DWORD got = ExpandEnvironmentStringsW(L"%APPDATA%\\Microsoft\\Internet Explorer\\Quick Launch",
                                        quickLaunch, MAX_PATH);
  if (got == 0 || got > MAX_PATH) return;
  const std::wstring base = quickLaunch;
  for (const wchar_t* sub : {L"", L"\\User Pinned\\StartMenu", L"\\User Pinned\\TaskBar"}) {
    const std::wstring folder = base + sub;
    if (PathIsDirectoryW(folder.c_str())) retargetFolder(folder, installDir, workingDir);
  }
}
