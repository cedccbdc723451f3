#pragma once

class ZeloUninstallControl;

// The controller's side of the uninstaller's windows, in the order of the bridge's operations.
// The two show operations run on the UI thread; every other operation only posts a message to
// a window and may run on any thread.
class IUninstallUI {
 public:
  virtual ~IUninstallUI() = default;
  virtual void showPromptWindow() = 0;
  virtual void productRunning() = 0;  // MSG_UNINST_RUNNING to the prompt window
  virtual void closePrompt() = 0;     // MSG_UNINST_CLOSE_PROMPT to the prompt window
  virtual void showMainWindow() = 0;
  virtual void progress(int done, int total) = 0;  // MSG_UNINST_PROGRESS to the main window
  virtual void finished() = 0;                     // MSG_UNINST_FINISH to the main window
  virtual void setControl(ZeloUninstallControl* control) = 0;
};
