#pragma once

#include <string>

class ZeloSetupControl;

// The controller's side of the installer's windows. showCheckUI and showSetupMainUI run on the
// UI thread; every other operation only posts a message and may run on any thread.
class ISetupUI {
 public:
  virtual ~ISetupUI() = default;
  virtual void showCheckUI() = 0;
  virtual void showSetupMainUI(const std::wstring& path) = 0;
  virtual void setControl(ZeloSetupControl* control) = 0;
  virtual void onShowRetryUI() = 0;
  virtual void onShowZeloRunning() = 0;
  virtual void onShowSetupExist() = 0;
  virtual void onShowSetupInvalid() = 0;
  virtual void onShowProgress(unsigned index, unsigned count) = 0;
  virtual void onPrepareShowMainUI(const std::wstring& path) = 0;
  virtual void onDecompressFinish() = 0;
  virtual void onQuitSetup() = 0;
};
