#pragma once

#include "setup/ISetupNotify.h"
#include "setup/ISetupUI.h"
#include "setup/ZeloSetupDecompressor.h"

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

// Stands in for the installer's windows: records every call, with its thread, as one line.
class RecordingSetupUI : public ISetupUI {
 public:
  RecordingSetupUI() : changed_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
  ~RecordingSetupUI() override { CloseHandle(changed_); }

  void showCheckUI() override { record(L"showCheckUI"); }
  void showSetupMainUI(const std::wstring& path) override { record(L"showSetupMainUI " + path); }
  void setControl(ZeloSetupControl* control) override { control_ = control; }
  void onShowRetryUI() override { record(L"onShowRetryUI"); }
  void onShowZeloRunning() override { record(L"onShowZeloRunning"); }
  void onShowSetupExist() override { record(L"onShowSetupExist"); }
  void onShowSetupInvalid() override { record(L"onShowSetupInvalid"); }
  void onShowProgress(unsigned index, unsigned count) override {
    record(L"onShowProgress " + std::to_wstring(index) + L"/" + std::to_wstring(count));
  }
  void onPrepareShowMainUI(const std::wstring& path) override {
    record(L"onPrepareShowMainUI " + path);
  }
  void onDecompressFinish() override { record(L"onDecompressFinish"); }
  void onQuitSetup() override { record(L"onQuitSetup"); }

  std::vector<std::wstring> calls() const {
    std::lock_guard<std::mutex> guard(lock_);
    return calls_;
  }
  DWORD lastThread() const {
    std::lock_guard<std::mutex> guard(lock_);
    return lastThread_;
  }
  // Waits until at least count calls have arrived.
  bool waitCalls(size_t count, DWORD timeoutMs = 10000) {
    DWORD until = GetTickCount() + timeoutMs;
    while (calls().size() < count) {
      if (static_cast<LONG>(until - GetTickCount()) <= 0) return false;
      WaitForSingleObject(changed_, 50);
    }
    return true;
  }
  ZeloSetupControl* control() const { return control_; }

 private:
  void record(const std::wstring& call) {
    {
      std::lock_guard<std::mutex> guard(lock_);
      calls_.push_back(call);
      lastThread_ = GetCurrentThreadId();
    }
    SetEvent(changed_);
  }

  mutable std::mutex lock_;
  std::vector<std::wstring> calls_;
  DWORD lastThread_ = 0;
  HANDLE changed_;
  ZeloSetupControl* control_ = nullptr;
};

// An extraction worker whose run is a script of notifications chosen by the test.
class ScriptedDecompressor : public ZeloSetupDecompressor {
 public:
  using Script = std::function<void(ISetupNotify&, ScriptedDecompressor&)>;
  explicit ScriptedDecompressor(Script script) : script_(std::move(script)) {}
  ~ScriptedDecompressor() override { stop(); }

  bool stopRequested() const { return isStopRequested(); }
  DWORD ranOn() const { return ranOn_; }
  int runs() const { return runs_; }
  bool ranAsync() const { return ranAsync_; }

 protected:
  void execute() override { go(true); }
  void _syncDecompress() override { go(false); }

 private:
  void go(bool async) {
    ranOn_ = GetCurrentThreadId();
    ranAsync_ = async;
    ++runs_;
    if (script_ && notify()) script_(*notify(), *this);
  }

  Script script_;
  DWORD ranOn_ = 0;
  int runs_ = 0;
  bool ranAsync_ = false;
};
