#include "setup/ZeloSetupDecompressor.h"

#include "base/LogFile.h"

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

// NOTE: the archive extraction is not built yet; both runs end without a notification, so the
// installation stops where the extraction would take over.
void ZeloSetupDecompressor::execute() {
  writeLog(L"ZeloSetupDecompressor::execute, extraction is not available in this build.");
}

void ZeloSetupDecompressor::_syncDecompress() {
  writeLog(L"ZeloSetupDecompressor::_syncDecompress, extraction is not available in this build.");
}
