#pragma once

#include "uninstall/UninstallPaths.h"
#include "uninstall/ZeloUninstallListener.h"

#include <memory>
#include <string>

class IUninstallUI;
class ZeloUninstallCore;

// The uninstaller's controller: chooses the run model from the command line, drives the
// relocation and the removal, and turns the workers' reports into posted window messages.
class ZeloUninstallControl : public ZeloUninstallListener {
 public:
  // Values as logged.
  enum RunModel {
    kPrompt = 0,         // interactive first run from the application folder
    kSilentFirst = 1,    // relocate, then start the copy with "-silencedelete"
    kRemove = 2,         // interactive removal run of the relocated copy
    kSilentRemove = 3,   // silent removal run of the relocated copy
  };
  // The quit code of a silent first run that could not hand over to its copy.
  static constexpr int kRelocationFailedCode = 1;

  // ui: the window bridge, owned. paths: where the uninstaller is and keeps its data.
  explicit ZeloUninstallControl(std::unique_ptr<IUninstallUI> ui, UninstallPaths paths = {});
  // The core first (its workers stopped and joined), then the window bridge.
  ~ZeloUninstallControl() override;
  ZeloUninstallControl(const ZeloUninstallControl&) = delete;
  ZeloUninstallControl& operator=(const ZeloUninstallControl&) = delete;

  // commandLine: the full process command line (GetCommandLineW). The silent models have run
  // to their end, and posted their quit code, when this returns.
  void uninstall(const std::wstring& commandLine);
  RunModel runModel() const { return model_; }

  // The prompt window's OK: looks for the product on a fresh worker thread.
  void startCheck();

  ZeloUninstallCore& core() { return *core_; }

  // ZeloUninstallListener
  void onRunning() override;
  void onReady() override;
  void onProgress(const std::wstring& itemPath, int count, int total) override;
  void onFinished() override;

 private:
  static RunModel chooseModel(const std::wstring& commandLine, std::wstring* path);
  void _initPath();

  std::unique_ptr<ZeloUninstallCore> core_;
  std::unique_ptr<IUninstallUI> ui_;
  RunModel model_ = kPrompt;
};
