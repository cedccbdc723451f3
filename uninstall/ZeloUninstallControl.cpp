#include "uninstall/ZeloUninstallControl.h"

#include "base/CommandLine.h"
#include "base/LogFile.h"
#include "uninstall/IUninstallUI.h"
#include "uninstall/UninstallActions.h"
#include "uninstall/ZeloFileCleaner.h"
#include "uninstall/ZeloProcessChecker.h"
#include "uninstall/ZeloUninstallCore.h"

#include <shlwapi.h>
#include <windows.h>

ZeloUninstallControl::ZeloUninstallControl(std::unique_ptr<IUninstallUI> ui,
                                           UninstallPaths paths)
    : core_(std::make_unique<ZeloUninstallCore>(this, std::move(paths))), ui_(std::move(ui)) {
  ui_->setControl(this);
}

ZeloUninstallControl::~ZeloUninstallControl() {
  core_.reset();
  ui_.reset();
}

ZeloUninstallControl::RunModel ZeloUninstallControl::chooseModel(const std::wstring& commandLine,
                                                                 std::wstring* path) {
  const std::vector<std::wstring> tokens = tokenizeCommandLine(commandLine);
  if (findOption(tokens, L"-silence")) return kSilentFirst;
  std::wstring value;
  bool hasPath = findOption(tokens, L"-path", &value) && !value.empty() &&
                 PathFileExistsW(value.c_str());
  if (hasPath) *path = value;
  if (hasPath && findOption(tokens, L"-delete")) return kRemove;
  if (hasPath && findOption(tokens, L"-silencedelete")) return kSilentRemove;
  return kPrompt;
}

void ZeloUninstallControl::uninstall(const std::wstring& commandLine) {
  std::wstring path;
  model_ = chooseModel(commandLine, &path);
  if (model_ == kRemove || model_ == kSilentRemove) core_->setPath(path);
  writeLog(L"ZeloUninstallControl::uninstall, run model is %d.", static_cast<int>(model_));
  switch (model_) {
    case kPrompt:
      _initPath();
      ui_->showPromptWindow();
      break;
    case kSilentFirst:
      _initPath();
      core_->setSilent(true);
      // A script reads the exit code: 0 only when the copy has taken over.
      if (core_->prepareUninstall()) {
        PostQuitMessage(0);
      } else {
        writeLog(L"ZeloUninstallControl::uninstall, relocation failed, exit code is %d.",
                 kRelocationFailedCode);
        PostQuitMessage(kRelocationFailedCode);
      }
      break;
    case kRemove:
      ui_->showMainWindow();
      core_->fileCleaner().setPath(core_->path());
      core_->fileCleaner().run(true);
      break;
    case kSilentRemove:
      core_->setSilent(true);
      core_->fileCleaner().setPath(core_->path());
      core_->fileCleaner().run(false);
      PostQuitMessage(0);
      break;
  }
}

void ZeloUninstallControl::_initPath() {
  std::wstring self = core_->paths().resolvedExecutable();
  std::wstring folder = self.substr(0, self.find_last_of(L'\\') + 1);
  writeLog(L"ZeloUninstallControl::_initPath, current path is : %s", folder.c_str());
  core_->setPath(folder);
}

void ZeloUninstallControl::startCheck() {
  core_->processChecker().setPath(core_->path());
  core_->processChecker().start(true);
}

void ZeloUninstallControl::onRunning() { ui_->productRunning(); }

void ZeloUninstallControl::onReady() {
  ui_->closePrompt();
  core_->prepareUninstall();
}

void ZeloUninstallControl::onProgress(const std::wstring& itemPath, int count, int total) {
  Sleep(1);  // lets the window keep up with a fast removal
  ui_->progress(count, total);
}

void ZeloUninstallControl::onFinished() {
  removeRegistryEntries();
  removeShortcuts();
  ui_->finished();
}
