#include "setup/ZeloSetupCore.h"

#include "base/LogFile.h"
#include "setup/InstallFolder.h"
#include "setup/SetupChecker.h"
#include "setup/ZeloSetupDecompressor.h"

ZeloSetupCore::ZeloSetupCore(ISetupNotify* notify,
                             std::unique_ptr<ZeloSetupDecompressor> decompressor)
    : checker_(std::make_unique<SetupChecker>()),
      decompressor_(decompressor ? std::move(decompressor)
                                 : std::make_unique<ZeloSetupDecompressor>()) {
  checker_->setNotify(notify);
  decompressor_->setNotify(notify);
}

ZeloSetupCore::~ZeloSetupCore() {
  checker_->stop();
  checker_.reset();
  decompressor_->stop();
  decompressor_.reset();
}

void ZeloSetupCore::setInstallDir(const std::wstring& folder) {
  installDir_ = normalizeInstallDir(folder);
  decompressor_->setTargetDir(installDir_);
}

// NOTE: the install actions (registry, shortcuts, companion programs, runtime assembly, Winsock
// category) are not built yet.
void ZeloSetupCore::doAfterDecompress() {
  writeLog(L"ZeloSetupCore::doAfterDecompress, install dir is %s", installDir_.c_str());
}
