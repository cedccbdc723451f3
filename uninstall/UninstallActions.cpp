#include "uninstall/UninstallActions.h"

#include "base/WinHandles.h"

#include <shlobj.h>
#include <shlwapi.h>
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kProductKey[] = L"Software\\tarsel\\zelo";
constexpr wchar_t kUninstallEntry[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelo8";

void deleteRunValue(const wchar_t* name) {
  UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, key.receive()) == ERROR_SUCCESS)
    RegDeleteValueW(key.get(), name);
}

// The shell's folder csidl, without a trailing backslash; empty when it cannot be obtained.
std::wstring shellFolder(int csidl) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) return std::wstring();
  wchar_t path[MAX_PATH] = {};
  BOOL found = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  return found ? path : std::wstring();
}

void deleteShortcut(const std::wstring& folder, const wchar_t* name) {
  DeleteFileW((folder + L"\\" + name + L".lnk").c_str());
}

}  // namespace

void removeRegistryEntries() {
  deleteRunValue(L"Zelo");
  deleteRunValue(L"ZeloAssistant");
  RegDeleteKeyW(HKEY_CURRENT_USER, kProductKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, kUninstallEntry);
}

void removeShortcuts() {
  const std::wstring desktop = shellFolder(CSIDL_DESKTOPDIRECTORY);
  if (desktop.empty()) return;
  for (const wchar_t* name : {L"Zelo Corvid", L"Zelo Tamsin", L"Zelo Larkspur", L"Quillon",
                              L"Larkspur"})
    deleteShortcut(desktop, name);
  if (PathFileExistsW((desktop + L"\\Brindle.lnk").c_str())) deleteShortcut(desktop, L"Brindle");
  deleteShortcut(desktop, L"Orlet-Fennick");

  const std::wstring programs = shellFolder(CSIDL_PROGRAMS);
  if (programs.empty()) return;
  const std::wstring group = programs + L"\\Tarsel";
  deleteShortcut(group, L"Zelo Corvid");
  deleteShortcut(group, L"卸载Zelo Corvid");
  RemoveDirectoryW(group.c_str());
  const std::wstring startMenu = shellFolder(CSIDL_STARTMENU);
  if (!startMenu.empty()) deleteShortcut(startMenu, L"Zelo Corvid");
}
