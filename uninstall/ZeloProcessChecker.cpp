#include "uninstall/ZeloProcessChecker.h"

#include "uninstall/ProcessImages.h"
#include "uninstall/ZeloUninstallListener.h"

#include <cwchar>

namespace {

constexpr wchar_t kProductExe[] = L"Zelo.exe";

bool isProductExe(const wchar_t* exeName) { return std::wcscmp(exeName, kProductExe) == 0; }

}  // namespace

ZeloProcessChecker::~ZeloProcessChecker() { stop(); }

bool ZeloProcessChecker::isProductRunning(const std::wstring& installPath) {
  const std::wstring productPath = installPath + kProductExe;
  for (const ProcessImage& image : runningProcesses(&isProductExe))
    if (image.modulePath == productPath) return true;
  return false;
}

void ZeloProcessChecker::run() {
  if (!listener_) return;
  if (isProductRunning(path_)) {
    listener_->onRunning();
    // A retry starts a fresh run; this one only waits to be stopped at exit.
    while (!isStopRequested()) Sleep(kPollMs);
    return;
  }
  listener_->onReady();
}
