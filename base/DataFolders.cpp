#include "DataFolders.h"

#include "InstallPath.h"
#include "Md5.h"
#include "SpecialFolders.h"
#include "TextConvert.h"

#include <shlobj.h>
#include <windows.h>

namespace {

std::wstring createdFolder(const std::wstring& folder) {
  SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  return folder;
}

}  // namespace

std::wstring installKey(const std::wstring& installDir) {
  std::wstring normalized = normalizePath(installDir);
  std::string ansi = wideToMultiByte(normalized.c_str(), -1, CP_ACP);
  return md5Hex(ansi.data(), ansi.size());
}

std::wstring installerDataRoot() {
  return createdFolder(appDataFolder() + L"\\OrviZelo\\");
}

std::wstring uninstallerDataRoot() {
  return createdFolder(appDataFolder() + L"\\tarsel\\zelo\\");
}

std::wstring setupDataDirUnder(const std::wstring& dataRoot, const std::wstring& installDir) {
  return createdFolder(dataRoot + L"setup\\" + installKey(installDir) + L"\\");
}

std::wstring updateDataDirUnder(const std::wstring& dataRoot, const std::wstring& installDir) {
  return dataRoot + L"update\\" + installKey(installDir) + L"\\";
}
