#include "uninstall/ZeloFileCleaner.h"

#include "base/DataFolders.h"
#include "base/FileUtils.h"
#include "base/LogFile.h"
#include "base/ProcessUtils.h"
#include "base/WideFormat.h"
#include "base/WinHandles.h"
#include "uninstall/ProcessImages.h"
#include "uninstall/ProductInfo.h"
#include "uninstall/RemovalGuard.h"
#include "uninstall/ZeloUninstallListener.h"

#include <cwchar>

namespace {

constexpr wchar_t kVersionFolder[] = L"8.22.0.2";
constexpr DWORD kEndWaitMs = 500;

}  // namespace

ZeloFileCleaner::~ZeloFileCleaner() { stop(); }

void ZeloFileCleaner::setPath(const std::wstring& installPath) {
  if (installPath.empty()) {
    writeLog(L"ZeloFileCleaner::setPath, path is empty.");
    return;
  }
  writeLog(L"ZeloFileCleaner::setPath, path is %s.", installPath.c_str());
  path_ = installPath;
}

void ZeloFileCleaner::execute() {
  writeLog(L"ZeloFileCleaner::execute begin.");
  // No handle of this process may keep the installation folder busy.
  SetCurrentDirectoryW(paths_.executableFolder().c_str());
  // Without a folder the programs would be started by relative paths and every process whose
  // folder cannot be read would count as running from it: nothing of the removal may run.
  if (path_.empty()) {
    writeLog(L"Begin delete files, directory is %s", path_.c_str());
    writeLog(L"Exception case.");
    return;
  }
  if (!_passes(removalRefusal(path_, paths_))) return;
  const FolderIdentity checked = folderIdentity(path_);
  _reportProgress(path_ + L"UnInstall.exe");
  _startSetupmetrics();
  _startZeloRun();
  _endProcessesInFolder();
  // The programs had seconds in which the folder could be swapped for a link to other data.
  if (!_passes(lateRemovalRefusal(path_, checked))) return;
  writeLog(L"Begin delete files, directory is %s", path_.c_str());
  _deleteDirectory(path_);
  writeLog(L"End delete files.");
  if (!RemoveDirectoryW(path_.c_str()))
    writeLog(L"RemoveDirectory %s fail, last error is %d", path_.c_str(),
             static_cast<int>(GetLastError()));
  if (listener_) listener_->onFinished();
}

bool ZeloFileCleaner::_passes(const std::wstring& refusal) const {
  if (refusal.empty()) return true;
  writeLog(L"ZeloFileCleaner::execute, refuse to remove %s, %s.", path_.c_str(), refusal.c_str());
  return false;
}

void ZeloFileCleaner::_reportProgress(const std::wstring& itemPath) {
  if (!listener_) return;
  listener_->onProgress(itemPath, ++progressCount_, kProgressTotal);
}

void ZeloFileCleaner::_startSetupmetrics() {
  const std::wstring program = path_ + kVersionFolder + L"\\setupmetrics.exe";
  int productId = readProductId(setupDataDirUnder(paths_.resolvedDataRoot(), path_));
  const std::wstring parameter = formatWide(L"\"|%s|%d|u|\"", kVersionFolder, productId);
  _reportProgress(program);
  runExeFile(program, parameter, true);
  writeLog(L"ZeloFileCleaner::_startSetupmetrics, path is %s, parameter is %s", program.c_str(),
           parameter.c_str());
}

void ZeloFileCleaner::_startZeloRun() {
  const std::wstring program = path_ + kVersionFolder + L"\\zelorun.exe";
  const std::wstring parameter = L"-unreg";
  _reportProgress(program);
  runExeFile(program, parameter, true);
  writeLog(L"ZeloFileCleaner::_startZeloRun, path is %s, parameter is %s", program.c_str(),
           parameter.c_str());
}

void ZeloFileCleaner::_endProcessesInFolder() {
  const DWORD self = GetCurrentProcessId();
  for (const ProcessImage& image : runningProcesses()) {
    // Never this process: a removal started from inside the folder must not end itself. A
    // process whose module cannot be read runs from nowhere known, so never from the folder.
    if (image.processId == self || image.modulePath.empty() || path_.empty() ||
        folderOf(image.modulePath) != path_)
      continue;
    UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, image.processId));
    if (process && WaitForSingleObject(process.get(), kEndWaitMs) != WAIT_OBJECT_0)
      TerminateProcess(process.get(), 0);
  }
}

void ZeloFileCleaner::_deleteDirectory(const std::wstring& folder) {
  if (folder.empty()) {
    writeLog(L"ZeloFileCleaner::_deleteDirectory, directory is empty.");
    return;
  }
  WIN32_FIND_DATAW entry;
  UniqueFind find(FindFirstFileW((folder + L"\\*.*").c_str(), &entry));
  if (!find) return;
  do {
    if (std::wcscmp(entry.cFileName, L".") == 0 || std::wcscmp(entry.cFileName, L"..") == 0)
      continue;
    const std::wstring path = folder + L"\\" + entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      // A junction or directory link goes as a link; what it points to is not ours.
      if (!isReparsePoint(entry.dwFileAttributes)) _deleteDirectory(path);
      RemoveDirectoryW(path.c_str());
      continue;
    }
    if (DeleteFileW(path.c_str()))
      writeLog(L"delete file %s success", path.c_str());
    else
      writeLog(L"delete file %s fail, last error is %d", path.c_str(),
               static_cast<int>(GetLastError()));
    _reportProgress(path);
  } while (FindNextFileW(find.get(), &entry));
}
