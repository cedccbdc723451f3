#pragma once

#include "uninstall/IUninstallUI.h"

#include <windows.h>

// The bridge to the uninstaller's windows: creates them on the UI thread and posts the private
// messages to them from any thread, so that no worker touches a window.
class ZeloUninstallUI : public IUninstallUI {
 public:
  void showPromptWindow() override;
  void productRunning() override;
  void closePrompt() override;
  void showMainWindow() override;
  void progress(int done, int total) override;
  void finished() override;
  void setControl(ZeloUninstallControl* control) override { control_ = control; }

  // The native windows that receive the messages.
  void setPromptWindowHandle(HWND window) { promptWindow_ = window; }
  void setMainWindowHandle(HWND window) { mainWindow_ = window; }

 private:
  static bool post(HWND window, unsigned message, LPARAM lParam = 0);

  HWND promptWindow_ = nullptr;
  HWND mainWindow_ = nullptr;
  ZeloUninstallControl* control_ = nullptr;
};
