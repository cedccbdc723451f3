#pragma once

#include "uninstall/IUninstallUI.h"

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

// Stands in for the uninstaller's windows: records every call as one line ("progress 3/200").
class RecordingUninstallUI : public IUninstallUI {
 public:
  RecordingUninstallUI() = default;

  void showPromptWindow() override { record(L"showPromptWindow"); }
  void productRunning() override { record(L"productRunning"); }
  void closePrompt() override { record(L"closePrompt"); }
  void showMainWindow() override { record(L"showMainWindow"); }
  void progress(int done, int total) override {
    record(L"progress " + std::to_wstring(done) + L"/" + std::to_wstring(total));
  }
  void finished() override { record(L"finished"); }
  void setControl(ZeloUninstallControl* control) override { control_ = control; }

  std::vector<std::wstring> calls() const {
    std::lock_guard<std::mutex> guard(lock_);
    return calls_;
  }
  // Waits until some call equals call.
  bool waitFor(const std::wstring& call, DWORD timeoutMs = 20000) const {
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
      for (const std::wstring& made : calls())
        if (made == call) return true;
      Sleep(20);
    }
    return false;
  }
  ZeloUninstallControl* control() const { return control_; }

 private:
  void record(const std::wstring& call) {
    std::lock_guard<std::mutex> guard(lock_);
    calls_.push_back(call);
  }

  mutable std::mutex lock_;
  std::vector<std::wstring> calls_;
  ZeloUninstallControl* control_ = nullptr;
};
