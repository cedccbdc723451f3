#include "setup/ZeloSetupDecompressor.h"

#include "base/LogFile.h"
#include "setup/ISetupNotify.h"
#include "setup/extract/ArchiveResource.h"
#include "setup/extract/CDiskOutputer.h"
#include "setup/extract/ExtractArchive.h"
#include "setup/extract/RunningProduct.h"

namespace {

constexpr DWORD kUserPollMs = 10;

}  // namespace

ZeloSetupDecompressor::~ZeloSetupDecompressor() { stop(); }

bool ZeloSetupDecompressor::start(bool async) {
  async_ = async;
  return WorkerThread::start(async);
}

void ZeloSetupDecompressor::forceQuit() {
  writeLog(L"ZeloSetupDecompressor::forceQuit, User want to force quit app.");
  forceQuitRequested_.store(true);
}

void ZeloSetupDecompressor::run() {
  if (async_)
    execute();
  else
    _syncDecompress();
}

void ZeloSetupDecompressor::execute() {
  writeLog(L"ZeloSetupDecompressor::execute, aync decompress.");
  forceQuitRequested_.store(false);  // an answer belongs to the question of this run
  if (findRunningProduct(targetDir_)) {
    if (notify_) notify_->onZeloRunning();
    // The wizard asks the user; either the user lets the product close, or cancels.
    while (!isStopRequested()) {
      if (forceQuitRequested_.load()) {
        closeAllProducts(targetDir_);
        break;
      }
      Sleep(kUserPollMs);
    }
  }
  if (isStopRequested()) return;
  bool result = _decompress(true);
  if (!result) writeLog(L"ZeloSetupDecompressor::execute, _decompress return false.");
  if (notify_) notify_->onDecompressFinish(result);
}

void ZeloSetupDecompressor::_syncDecompress() {
  writeLog(L"ZeloSetupDecompressor::_syncDecompress begin [silence model].");
  if (findRunningProduct(targetDir_)) {
    writeLog(L"ZeloSetupDecompressor::_syncDecompress, _isZeloRunning return true.");
    if (notify_) notify_->onZeloRunning();
    return;
  }
  bool result = _decompress(false);
  if (notify_) notify_->onDecompressFinish(result);
}

// NOTE: the archive is loaded before anything of the earlier installation is removed, so a
// program without its archive leaves that installation intact.
bool ZeloSetupDecompressor::_decompress(bool cancellable) {
  ArchiveResource archive;
  if (!archive.load(archiveModule_)) {
    writeLog(L"ZeloSetupDecompressor::_decompress, _load7zDataFromResource fail.");
    return false;
  }
  if (cleanUp_) cleanUp_(targetDir_);
  CDiskOutputer outputer(targetDir_, notify_);
  int result = extractArchive(archive.data(), archive.size(), outputer, cancellable ? this : nullptr);
  if (result != 0) writeLog(L"ZeloSetupDecompressor::_decompress, extract return %d.", result);
  return result == 0;
}
