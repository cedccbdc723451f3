#pragma once

#include "base/WorkerThread.h"
#include "setup/extract/ItemSink.h"

#include <atomic>
#include <functional>
#include <string>

class ISetupNotify;

// The extraction worker: writes the archive that the installer carries into the install
// folder, the per-installation data folder and the temporary folder, and reports through
// ISetupNotify. start(true) runs execute() on a thread, start(false) runs _syncDecompress().
class ZeloSetupDecompressor : public WorkerThread, public ICancelQuery {
 public:
  using CleanUp = std::function<void(const std::wstring& installDir)>;

  ZeloSetupDecompressor() = default;
  ~ZeloSetupDecompressor() override;

  bool start(bool async) override;
  void setNotify(ISetupNotify* notify) { notify_ = notify; }
  // The normalised install folder, ending in a backslash.
  void setTargetDir(const std::wstring& dir) { targetDir_ = dir; }
  const std::wstring& targetDir() const { return targetDir_; }
  // The user agreed to close the running product.
  virtual void forceQuit();
  bool isForceQuitRequested() const { return forceQuitRequested_.load(); }
  bool isStopRequested() const override { return WorkerThread::isStopRequested(); }

  // Clears what an earlier installation left in the install folder; runs once the archive is
  // known to be there, before the first item is written.
  void setCleanUp(CleanUp cleanUp) { cleanUp_ = std::move(cleanUp); }
  // The module that carries the archive (null: the program itself).
  void setArchiveModule(HMODULE module) { archiveModule_ = module; }

 protected:
  void run() override;
  // The interactive run, on the worker thread.
  virtual void execute();
  // The silent run, in-line.
  virtual void _syncDecompress();

  ISetupNotify* notify() const { return notify_; }

 private:
  // Loads the archive, clears the earlier installation and writes every item.
  bool _decompress(bool cancellable);

  ISetupNotify* notify_ = nullptr;
  std::wstring targetDir_;
  std::atomic<bool> forceQuitRequested_{false};
  CleanUp cleanUp_;
  HMODULE archiveModule_ = nullptr;
  bool async_ = false;
};
