#pragma once

#include "setup/ISetupControl.h"
#include "setup/ISetupNotify.h"

#include <memory>
#include <string>

class ISetupUI;
class ZeloSetupCore;
class ZeloSetupDecompressor;

// The installer's controller: chooses the install model from the command line, runs the check
// and the extraction (on workers when interactive, in-line when silent) and turns every outcome
// into a posted window message (interactive) or the process exit code (silent).
class ZeloSetupControl : public ISetupControl, public ISetupNotify {
 public:
  enum Model { kInteractive = 0, kSilent = 1 };

  // ui: the window bridge to use; null takes the process's ZeloSetupUI, which the destructor
  // then destroys. decompressor: the extraction worker; null builds the real one.
  explicit ZeloSetupControl(ISetupUI* ui,
                            std::unique_ptr<ZeloSetupDecompressor> decompressor = nullptr);
  // The program's own: the process's ZeloSetupUI and the real extraction worker.
  ZeloSetupControl();
  // Stops and joins the workers, then destroys the window bridge.
  ~ZeloSetupControl() override;
  ZeloSetupControl(const ZeloSetupControl&) = delete;
  ZeloSetupControl& operator=(const ZeloSetupControl&) = delete;

  // commandLine: the full process command line, program path included. In the silent model
  // the whole installation has run, and the quit code is posted, when this returns.
  void startSetup(const std::wstring& commandLine);
  // Logs the code and posts the quit request that carries it.
  void quitApplication(int code);
  // setupPath := the previous installation's folder, or the default under Program Files.
  void initSetupPath();

  bool isSilent() const { return silent_; }
  const std::wstring& setupPath() const { return setupPath_; }
  ZeloSetupCore& core() { return *core_; }

  // ISetupControl
  void recheck() override;
  void stopCheck() override;
  void setSetupPath(const std::wstring& path) override;
  void forceQuit() override;
  void startDecompress(bool async) override;
  void stopDecompress() override;
  void runApp() override;
  void setAutoRun(bool enable) override;
  void viewReleaseNote() override;
  void collectTarsel() override;
  void openWebSite() override;

  // ISetupNotify
  void onCheckResult(CheckResult result) override;
  void onZeloRunning() override;
  void onProgress(unsigned index, unsigned count) override;
  void onDecompressFail(const std::wstring& fileName) override;
  void onDecompressFinish(bool success) override;

 private:
  void continueSilently();

  std::wstring setupPath_;
  bool silent_ = false;
  std::unique_ptr<ZeloSetupCore> core_;
  ISetupUI* ui_ = nullptr;
  bool ownsUiInstance_ = false;
};
