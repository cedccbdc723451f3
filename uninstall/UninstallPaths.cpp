#include "uninstall/UninstallPaths.h"

#include "base/DataFolders.h"

#include <windows.h>

std::wstring UninstallPaths::resolvedExecutable() const {
  if (!executable.empty()) return executable;
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return self;
}

std::wstring UninstallPaths::resolvedDataRoot() const {
  return dataRoot.empty() ? uninstallerDataRoot() : dataRoot;
}

std::wstring UninstallPaths::relocationFolder() const {
  return resolvedDataRoot() + L"setup\\uninstall\\";
}

std::wstring UninstallPaths::executableFolder() const {
  std::wstring path = resolvedExecutable();
  size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}
