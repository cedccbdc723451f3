#include "setup/ZeloSetupControl.h"

#include "base/CommandLine.h"
#include "base/InstallPath.h"
#include "base/LogFile.h"
#include "setup/InstallFolder.h"
#include "setup/SetupChecker.h"
#include "setup/ZeloSetupCore.h"
#include "setup/ZeloSetupDecompressor.h"
#include "setup/ZeloSetupUI.h"

#include <windows.h>

ZeloSetupControl::ZeloSetupControl(ISetupUI* ui,
                                   std::unique_ptr<ZeloSetupDecompressor> decompressor)
    : core_(std::make_unique<ZeloSetupCore>(this, std::move(decompressor))),
      ui_(ui ? ui : ZeloSetupUI::instance()),
      ownsUiInstance_(ui == nullptr) {
  ui_->setControl(this);
}

ZeloSetupControl::ZeloSetupControl() : ZeloSetupControl(nullptr) {}

// NOTE: both workers are joined while core_ is still set: a worker that is just finishing
// reports through this controller, which reaches the core.
ZeloSetupControl::~ZeloSetupControl() {
  core_->checker().stop();
  core_->decompressor().stop();
  core_.reset();
  if (ownsUiInstance_) ZeloSetupUI::destroyInstance();
}

void ZeloSetupControl::startSetup(const std::wstring& commandLine) {
  std::wstring folder;
  Model model = kInteractive;
  if (findOption(tokenizeCommandLine(commandLine), L"-silence", &folder)) {
    setupPath_ = folder;
    if (setupPath_.empty()) initSetupPath();
    silent_ = true;
    model = kSilent;
  }
  writeLog(L"ZeloSetupControl::startSetup, install model is %d.", static_cast<int>(model));
  if (model == kInteractive) {
    initSetupPath();
    writeLog(L"Async check environment.");
    ui_->showCheckUI();
    core_->checker().start(true);
  } else {
    core_->checker().start(false);
  }
}

void ZeloSetupControl::initSetupPath() {
  std::wstring fallback = defaultInstallDir();
  if (!fallback.empty()) {
    std::wstring previous = previousInstallDir();
    setupPath_ = previous.empty() ? fallback : previous;
  }
  writeLog(L"Initialized setup path is %s", setupPath_.c_str());
}

void ZeloSetupControl::quitApplication(int code) {
  writeLog(L"Quit application, exit code is %d", code);
  PostQuitMessage(code);
}

void ZeloSetupControl::recheck() {
  core_->checker().stop();
  core_->checker().start(true);
}

void ZeloSetupControl::stopCheck() { core_->checker().stop(); }

void ZeloSetupControl::setSetupPath(const std::wstring& path) {
  setupPath_ = path;
  core_->setInstallDir(path);
}

void ZeloSetupControl::forceQuit() { core_->decompressor().forceQuit(); }
void ZeloSetupControl::startDecompress(bool async) { core_->decompressor().start(async); }
void ZeloSetupControl::stopDecompress() { core_->decompressor().stop(); }

void ZeloSetupControl::runApp() { core_->runApp(); }
void ZeloSetupControl::setAutoRun(bool enable) { core_->setAutoRun(enable); }
void ZeloSetupControl::viewReleaseNote() { core_->viewReleaseNote(); }
void ZeloSetupControl::collectTarsel() { core_->collectTarsel(); }
void ZeloSetupControl::openWebSite() { core_->openWebSite(); }

void ZeloSetupControl::onCheckResult(CheckResult result) {
  switch (result) {
    case CR_Success:
      writeLog(L"Check result is CR_Success, and then prepare to decompress.");
      if (silent_)
        continueSilently();
      else
        ui_->onPrepareShowMainUI(setupPath_);
      break;
    case CR_SetupExist:
      writeLog(L"Check result is CR_SetupExist");
      if (silent_)
        quitApplication(-1);
      else
        ui_->onShowSetupExist();
      break;
    case CR_SetupInvalid:
      writeLog(L"Check result is CR_SetupInvalid");
      if (silent_)
        quitApplication(-2);
      else
        ui_->onShowSetupInvalid();
      break;
  }
}

void ZeloSetupControl::continueSilently() {
  if (!isValidInstallPath(setupPath_)) {
    writeLog(L"ZeloSetupControl::onCheckResult, invalid setup path %s", setupPath_.c_str());
    quitApplication(-3);
    return;
  }
  core_->setInstallDir(setupPath_);
  core_->decompressor().start(false);
}

void ZeloSetupControl::onZeloRunning() {
  if (silent_)
    quitApplication(-4);
  else
    ui_->onShowZeloRunning();
}

void ZeloSetupControl::onProgress(unsigned index, unsigned count) {
  if (!silent_) ui_->onShowProgress(index, count);
}

void ZeloSetupControl::onDecompressFail(const std::wstring& fileName) {
  writeLog(L"ZeloSetupControl::onDecompressFail, decompress fail, file is %s", fileName.c_str());
  if (silent_)
    quitApplication(-5);
  else
    ui_->onShowRetryUI();
}

void ZeloSetupControl::onDecompressFinish(bool success) {
  if (!success) {
    writeLog(L"ZeloSetupControl::onDecompressFinish, fail.");
    if (silent_)
      quitApplication(-5);
    else
      ui_->onQuitSetup();
    return;
  }
  writeLog(L"ZeloSetupControl::onDecompressFinish, success.");
  core_->doAfterDecompress();
  if (silent_)
    quitApplication(0);
  else
    ui_->onDecompressFinish();
}
