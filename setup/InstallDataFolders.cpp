#include "setup/InstallDataFolders.h"

#include "setup/extract/ArchiveResource.h"

#include "base/DataFolders.h"
#include "base/LogFile.h"
#include "base/WideFormat.h"
#include "base/XmlDocument.h"
#include "setup/ProductNames.h"
#include "setup/extract/ArchiveResource.h"

#include <shlwapi.h>
#include <windows.h>

std::wstring dataRoot() { return installerDataRoot(); }

std::wstring setupDataDir(const std::wstring& installDir) {
  return setupDataDirUnder(dataRoot(), installDir);
}

std::wstring updateDataDir(const std::wstring& installDir) {
  return updateDataDirUnder(dataRoot(), installDir);
}

uint64_t archiveResourceBytes() {
  HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(ArchiveResource::kId), L"zip");
  return resource ? SizeofResource(nullptr, resource) : 0;
}

uint64_t requiredSpaceMB(uint64_t archiveBytes) { return (archiveBytes * 4) >> 20; }

std::wstring requiredSpaceText(uint64_t requiredMB) {
  return L"\u6240\u9700\u7a7a\u95f4\uff1a" + std::to_wstring(requiredMB) + L"M";
}

std::wstring freeSpaceText(double freeMB) {
  return formatWide(L"\u53ef\u7528\u7a7a\u95f4\uff1a%.2fG", freeMB * 0.0009765625);
}

bool hasEnoughSpace(double freeMB, uint64_t requiredMB) {
  return freeMB >= static_cast<double>(requiredMB);
}

bool isPlainRelativeFolder(const std::wstring& name) {
  if (name.empty() || name.find_first_of(L"\\/:*?\"<>|") != std::wstring::npos) return false;
  // The system drops trailing dots and blanks of a path element, so "..." or "x." would name
  // the install folder itself or another folder than the one written.
  return name.back() != L'.' && name.back() != L' ';
}

std::vector<std::wstring> launcherVersionFolders(const std::wstring& installDir) {
  std::vector<std::wstring> folders;
  XmlDocument doc;
  // Malformed files give no list, even if parts of them parsed.
  if (!doc.load(installDir + L"\\" + product::kLauncherXml)) return folders;
  if (!doc.findElem(L"LauncherInfo") || !doc.intoElem()) return folders;
  while (doc.findElem(L"VersionInfo")) {
    std::wstring name = doc.getAttrib(L"zeloPath");
    if (!isPlainRelativeFolder(name)) {
      writeLog(L"ZeloSetupCore::cleanUpFile, skip version folder \"%s\": not a folder inside %s",
               name.c_str(), installDir.c_str());
      continue;
    }
    std::wstring folder = installDir + L"\\" + name;
    if (PathFileExistsW(folder.c_str())) folders.push_back(folder);
  }
  return folders;
}
