#include "setup/ZeloSetupCore.h"

#include "base/AssemblyInstaller.h"
#include "base/LogFile.h"
#include "setup/CompanionPrograms.h"
#include "setup/FavouriteLink.h"
#include "setup/InstallCleanUp.h"
#include "setup/InstallDataFolders.h"
#include "setup/InstallFolder.h"
#include "setup/ProductNames.h"
#include "setup/RegistryEntries.h"
#include "setup/Shortcuts.h"
#include "setup/SetupChecker.h"
#include "setup/ZeloSetupDecompressor.h"
#include "setup/WinsockCategory.h"

#include <shellapi.h>
#include <windows.h>

ZeloSetupCore::ZeloSetupCore(ISetupNotify* notify,
                             std::unique_ptr<ZeloSetupDecompressor> decompressor)
    : checker_(std::make_unique<SetupChecker>()),
      decompressor_(decompressor ? std::move(decompressor)
                                 : std::make_unique<ZeloSetupDecompressor>()) {
  checker_->setNotify(notify);
  decompressor_->setNotify(notify);
  decompressor_->setCleanUp([this](const std::wstring& dir) { cleanUpFile(dir); });
}

ZeloSetupCore::~ZeloSetupCore() {
  checker_->stop();
  decompressor_->stop();  // its clean-up step calls back into this core
  checker_.reset();
  decompressor_.reset();
}

void ZeloSetupCore::setInstallDir(const std::wstring& folder) {
  installDir_ = normalizeInstallDir(folder);
  decompressor_->setTargetDir(installDir_);
}

void ZeloSetupCore::cleanUpFile(const std::wstring& installDir) {
  cleanUpInstallation(installDir);
}

void ZeloSetupCore::doAfterDecompress() {
  writeLog(L"ZeloSetupCore::doAfterDecompress, decompress finished.");
  _writeRegedit();
  _createShortcuts();
  _updatePinnedShortcuts();
  _do3XUpdate();
  _installCrt();
  runSetupmetrics();
  runZeloRun();
  CustomLsp();
}

std::wstring ZeloSetupCore::executable() const { return installDir_ + product::kExecutable; }

void ZeloSetupCore::_writeRegedit() { writeInstallRegistry(installDir_); }
void ZeloSetupCore::_createShortcuts() { createProductShortcuts(installDir_, dataRoot()); }
void ZeloSetupCore::_updatePinnedShortcuts() { updatePinnedShortcuts(installDir_, dataRoot()); }
void ZeloSetupCore::_do3XUpdate() { runWizardUpdate(installDir_); }

int ZeloSetupCore::_installCrt() {
  int result = installAsm(installDir_ + product::kRuntimeAssembly, executable());
  writeLog(L"ZeloSetupCore::_installCrt, installAsm return-value is %d.", result);
  return result;
}

void ZeloSetupCore::runSetupmetrics() { runSetupMetrics(installDir_); }
void ZeloSetupCore::runZeloRun() { ::runZeloRun(installDir_); }
bool ZeloSetupCore::CustomLsp() { return setWinsockCategory(executable()); }

void ZeloSetupCore::runApp() { runProduct(installDir_, dataRoot()); }
void ZeloSetupCore::setAutoRun(bool on) { writeAutoRun(executable(), on); }
void ZeloSetupCore::collectTarsel() { writeFavouriteLink(); }

void ZeloSetupCore::viewReleaseNote() {
  writeLog(L"ZeloSetupCore::viewReleaseNote, view releaseNote.txt.");
  const std::wstring notes = installDir_ + product::kVersion + L"\\ReleaseNotes.txt";
  ShellExecuteW(nullptr, L"open", notes.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// NOTE: the shell opens a bare host name as a file; the full address reaches the browser.
void ZeloSetupCore::openWebSite() {
  ShellExecuteW(nullptr, L"open", product::kWebSite, nullptr, nullptr, SW_SHOWNORMAL);
}
