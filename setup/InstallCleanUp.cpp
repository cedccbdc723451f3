#include "setup/InstallCleanUp.h"

#include "base/FileUtils.h"
#include "base/LogFile.h"
#include "setup/InstallDataFolders.h"

#include <windows.h>

bool isBelowFolder(const std::wstring& path, const std::wstring& root) {
  std::wstring base = root;
  while (!base.empty() && base.back() == L'\\') base.pop_back();
  if (base.empty() || path.size() <= base.size() + 1 || path[base.size()] != L'\\') return false;
  if (CompareStringOrdinal(path.c_str(), static_cast<int>(base.size()), base.c_str(), -1, TRUE) !=
      CSTR_EQUAL)
    return false;
  const std::wstring rest = L"\\" + path.substr(base.size() + 1) + L"\\";
  return rest.find(L"\\..\\") == std::wstring::npos && rest.find(L"\\.\\") == std::wstring::npos &&
         rest.find(L'/') == std::wstring::npos && rest.find(L':') == std::wstring::npos;
}

namespace {

// A folder that is a link would lead the deletion to wherever it points: only a plain folder
// inside root is cleared.
void clearFolderInside(const std::wstring& folder, const std::wstring& root) {
  DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (!isBelowFolder(folder, root) || isReparsePoint(attributes)) {
    writeLog(L"ZeloSetupCore::cleanUpFile, skip %s: not a plain folder inside %s", folder.c_str(),
             root.c_str());
    return;
  }
  deleteDirContents(folder);
}

void removeVersionFolder(const std::wstring& folder, const std::wstring& installDir) {
  DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  if (!isBelowFolder(folder, installDir)) return;  // launcherVersionFolders logged it
  removeTreeEntry(folder, attributes);  // a link goes as a link, never its target's contents
}

}  // namespace

void cleanUpInstallation(const std::wstring& installDir) {
  const std::wstring root = dataRoot();
  const std::wstring setupDir = setupDataDir(installDir);
  const std::wstring temp = setupDir + L"temp";
  clearFolderInside(temp, root);
  writeLog(L"ZeloSetupCore::cleanUpFile, delete temp directory %s", temp.c_str());
  const std::wstring updateFiles = setupDir + L"updatefiles";
  clearFolderInside(updateFiles, root);
  writeLog(L"ZeloSetupCore::cleanUpFile, Delete temp directory %s", updateFiles.c_str());
  const std::wstring updateCache = updateDataDir(installDir);
  clearFolderInside(updateCache, root);
  writeLog(L"ZeloSetupCore::cleanUpFile, strUpdateCachePath=%s", updateCache.c_str());
  for (const std::wstring& file : {installDir + L"\\oem.txt", setupDir + L"ProductInfo.txt"}) {
    DeleteFileW(file.c_str());
    writeLog(L"ZeloSetupCore::cleanUpFile, Delete temp directory %s", file.c_str());
  }
  writeLog(L"ZeloSetupCore::cleanUpFile, clean single directory old files.");
  for (const std::wstring& folder : launcherVersionFolders(installDir))
    removeVersionFolder(folder, installDir);
  writeLog(L"ZeloSetupCore::cleanUpFile, clean old directories before install.");
}
