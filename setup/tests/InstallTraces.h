#pragma once

#include "base/SpecialFolders.h"
#include "setup/ProductNames.h"

#include <shlobj.h>
#include <windows.h>

#include <string>

// What an installation leaves outside its folder, removed again by the tests that install:
// the uninstall entry, the product's Run value, its links and the favourite link. The tests
// that call this hold the registry and shell-folder locks.
inline std::wstring productLinkIn(int csidl) {
  return specialFolderPath(csidl) + L"\\" + product::kName + L".lnk";
}

inline std::wstring programGroup() {
  return specialFolderPath(CSIDL_PROGRAMS) + L"\\" + product::kName;
}

inline void removeInstallTraces() {
  RegDeleteTreeW(HKEY_CURRENT_USER, product::kUninstallKey);
  HKEY run = nullptr;
  if (RegOpenKeyW(HKEY_CURRENT_USER, product::kRunKey, &run) == ERROR_SUCCESS) {
    RegDeleteValueW(run, product::kName);
    RegCloseKey(run);
  }
  DeleteFileW(productLinkIn(CSIDL_DESKTOPDIRECTORY).c_str());
  DeleteFileW(productLinkIn(CSIDL_STARTMENU).c_str());
  const std::wstring group = programGroup();
  DeleteFileW((group + L"\\" + product::kName + L".lnk").c_str());
  DeleteFileW((group + L"\\" + product::kUninstallLinkName + L".lnk").c_str());
  RemoveDirectoryW(group.c_str());
  DeleteFileW((specialFolderPath(CSIDL_FAVORITES) + L"\\" + product::kFavouriteLink).c_str());
}
