#include "uninstall/ZeloUninstallUI.h"

#include "uninstall/UninstallMessages.h"

bool ZeloUninstallUI::post(HWND window, unsigned message, LPARAM lParam) {
  return window && PostMessageW(window, message, 0, lParam);
}

// NOTE: the prompt window and the main window are not built yet; the two operations that would
// create them do nothing, and the messages reach whatever handles have been attached.
void ZeloUninstallUI::showPromptWindow() {}
void ZeloUninstallUI::showMainWindow() {}

void ZeloUninstallUI::productRunning() { post(promptWindow_, MSG_UNINST_RUNNING); }
void ZeloUninstallUI::closePrompt() { post(promptWindow_, MSG_UNINST_CLOSE_PROMPT); }
void ZeloUninstallUI::finished() { post(mainWindow_, MSG_UNINST_FINISH); }

void ZeloUninstallUI::progress(int done, int total) {
  auto* share = new double(total > 0 ? static_cast<double>(done) / total : 0.0);  // receiver frees
  if (!post(mainWindow_, MSG_UNINST_PROGRESS, reinterpret_cast<LPARAM>(share))) delete share;
}
