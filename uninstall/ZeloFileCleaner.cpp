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
  if (!path_.empty()) {
    std::wstring refusal = removalRefusal(path_, paths_);
    if (!refusal.empty()) {
      writeLog(L"ZeloFileCleaner::execute, refuse to remove %s, %s.", path_.c_str(),
               refusal.c_str());
      return;
    }
  }
  _reportProgress(path_ + L"UnInstall.exe");
  _startSetupmetrics();
  _startZeloRun();
  _endProcessesInFolder();
  writeLog(L"Begin delete files, directory is %s", path_.c_str());
  if (path_.empty()) {
    writeLog(L"Exception case.");
    return;
  }
  _deleteDirectory(path_);
  writeLog(L"End delete files.");
  if (!RemoveDirectoryW(path_.c_str()))
    writeLog(L"RemoveDirectory %s fail, last error is %d", path_.c_str(),
             static_cast<int>(GetLastError()));
  if (listener_) listener_->onFinished();
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
    // Never this process: a removal started from inside the folder must not end itself.
    if (image.processId == self || folderOf(image.modulePath) != path_) continue;
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
