#pragma once

#include "setup/ISetupUI.h"

#include <windows.h>

// The bridge to the installer's windows: creates them on the UI thread and posts the private
// messages to them from any thread, so that no worker touches a window. One instance per
// process, created on first request and destroyed by the controller.
class ZeloSetupUI : public ISetupUI {
 public:
  static ZeloSetupUI* instance();
  static void destroyInstance();

  void showCheckUI() override;
  void showSetupMainUI(const std::wstring& path) override;
  void setControl(ZeloSetupControl* control) override { control_ = control; }
  void onShowRetryUI() override;
  void onShowZeloRunning() override;
  void onShowSetupExist() override;
  void onShowSetupInvalid() override;
  void onShowProgress(unsigned index, unsigned count) override;
  void onPrepareShowMainUI(const std::wstring& path) override;
  void onDecompressFinish() override;
  void onQuitSetup() override;

  // The native windows that receive the messages: the check window and the wizard window.
  void setCheckWindowHandle(HWND window) { checkWindow_ = window; }
  void setMainWindowHandle(HWND window) { mainWindow_ = window; }
  ZeloSetupControl* control() const { return control_; }

 private:
  ZeloSetupUI() = default;
  ~ZeloSetupUI() override = default;

  static bool post(HWND window, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

  HWND checkWindow_ = nullptr;
  HWND mainWindow_ = nullptr;
  ZeloSetupControl* control_ = nullptr;
};
