#pragma once

#include "base/WorkerThread.h"

#include <string>

class ZeloUninstallListener;

// Waits for the product to stop running from the install folder before the uninstaller
// relocates itself: reports "running" once and parks until stopped, or reports "ready".
class ZeloProcessChecker : public WorkerThread {
 public:
  explicit ZeloProcessChecker(ZeloUninstallListener* listener) : listener_(listener) {}
  ~ZeloProcessChecker() override;

  // installPath ends in a backslash.
  void setPath(const std::wstring& installPath) { path_ = installPath; }
  void setListener(ZeloUninstallListener* listener) { listener_ = listener; }

  // True while "Zelo.exe" runs from exactly installPath (case matters).
  static bool isProductRunning(const std::wstring& installPath);

 protected:
  void run() override;

 private:
  static constexpr DWORD kPollMs = 10;

  std::wstring path_;
  ZeloUninstallListener* listener_ = nullptr;
};
