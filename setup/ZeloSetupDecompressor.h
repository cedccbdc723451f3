#pragma once

#include "base/WorkerThread.h"

#include <atomic>
#include <string>

class ISetupNotify;

// The extraction worker: writes the archive that the installer carries into the install
// folder, the per-installation data folder and the temporary folder, and reports through
// ISetupNotify. start(true) runs execute() on a thread, start(false) runs _syncDecompress().
class ZeloSetupDecompressor : public WorkerThread {
 public:
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

 protected:
  void run() override;
  // The interactive run, on the worker thread.
  virtual void execute();
  // The silent run, in-line.
  virtual void _syncDecompress();

  ISetupNotify* notify() const { return notify_; }

 private:
  ISetupNotify* notify_ = nullptr;
  std::wstring targetDir_;
  std::atomic<bool> forceQuitRequested_{false};
  bool async_ = false;
};
