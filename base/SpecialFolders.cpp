#include "SpecialFolders.h"

#include <shlobj.h>
#include <windows.h>

std::wstring specialFolderPath(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) return std::wstring();
  return path;
}

std::wstring appDataFolder() { return specialFolderPath(CSIDL_APPDATA); }
