#pragma once

#include <string>

// How the uninstaller's workers report to the controller. Every operation is called on the
// worker's thread (the checker's or the cleaner's), never on the UI thread.
class ZeloUninstallListener {
 public:
  virtual ~ZeloUninstallListener() = default;
  // The product still runs from the install folder.
  virtual void onRunning() = 0;
  // The product does not run: the relocation may go ahead.
  virtual void onReady() = 0;
  // One more item of the removal is done; count of total.
  virtual void onProgress(const std::wstring& itemPath, int count, int total) = 0;
  // The installation tree is gone (as far as it could be removed).
  virtual void onFinished() = 0;
};
