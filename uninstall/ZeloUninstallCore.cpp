#include "uninstall/ZeloUninstallCore.h"

#include "base/FileUtils.h"
#include "base/LogFile.h"
#include "base/ProcessUtils.h"
#include "uninstall/ZeloFileCleaner.h"
#include "uninstall/ZeloProcessChecker.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

namespace {

constexpr int kGuidChars = 39;  // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" and its terminator

std::wstring newGuidText() {
  GUID guid = {};
  CoCreateGuid(&guid);
  wchar_t text[kGuidChars] = {};
  StringFromGUID2(guid, text, kGuidChars);
  return text;
}

}  // namespace

ZeloUninstallCore::ZeloUninstallCore(ZeloUninstallListener* listener, UninstallPaths paths)
    : paths_(std::move(paths)),
      fileCleaner_(std::make_unique<ZeloFileCleaner>(listener, paths_)),
      processChecker_(std::make_unique<ZeloProcessChecker>(listener)) {}

ZeloUninstallCore::~ZeloUninstallCore() {
  processChecker_->stop();
  fileCleaner_->stop();
}

void ZeloUninstallCore::setPath(const std::wstring& path) {
  writeLog(L"ZeloUninstallCore::setPath, path is %s", path.c_str());
  path_ = path;
  if (path_.empty() || path_.back() != L'\\') path_ += L'\\';
}

void ZeloUninstallCore::setSilent(bool silent) {
  silent_ = silent;
  if (!silent) return;
  fileCleaner_->setListener(nullptr);
  processChecker_->setListener(nullptr);
}

std::wstring ZeloUninstallCore::relocationFolder() const { return paths_.relocationFolder(); }

std::wstring ZeloUninstallCore::relaunchCommandLine() const {
  std::wstring folder = path_;
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return std::wstring(silent_ ? L"-silencedelete" : L"-delete") + L" -path \"" + folder + L"\"";
}

bool ZeloUninstallCore::prepareUninstall() {
  const std::wstring self = paths_.resolvedExecutable();
  const std::wstring relocation = relocationFolder();
  // Earlier copies are done with by now; the folder itself stays.
  deleteDirContents(relocation.substr(0, relocation.size() - 1));
  const std::wstring copyFolder = relocation + newGuidText();
  SHCreateDirectory(nullptr, copyFolder.c_str());
  const std::wstring copy = copyFolder + L"\\uninstall.exe";
  bool copied = CopyFileW(self.c_str(), copy.c_str(), FALSE) != FALSE;
  if (!copied)
    writeLog(
        L"ZeloUninstallCore::prepareUninstall, copy file fail dest file is %s, last error is %d",
        copy.c_str(), static_cast<int>(GetLastError()));
  const std::wstring parameter = relaunchCommandLine();
  writeLog(L"para is %s", parameter.c_str());
  bool started = runExeFile(copy, parameter, false);
  return copied && started;
}
