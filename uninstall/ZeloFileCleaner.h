#pragma once

#include "base/WorkerThread.h"
#include "uninstall/UninstallPaths.h"

#include <string>

class ZeloUninstallListener;

// The removal proper, run by the relocated uninstaller: the product's statistics and
// registration programs run one last time, whatever still runs from the installation folder is
// ended, and the folder's tree is deleted. Reports progress and "finished" when it has a
// listener. A folder that does not plainly hold an installation is left untouched.
class ZeloFileCleaner : public WorkerThread {
 public:
  // Every report carries this denominator, whatever the number of files.
  static constexpr int kProgressTotal = 200;

  ZeloFileCleaner(ZeloUninstallListener* listener, UninstallPaths paths)
      : listener_(listener), paths_(std::move(paths)) {}
  ~ZeloFileCleaner() override;

  // installPath ends in a backslash; an empty path is not taken.
  void setPath(const std::wstring& installPath);
  const std::wstring& path() const { return path_; }
  void setListener(ZeloUninstallListener* listener) { listener_ = listener; }

  // onWorker: execute on a new worker thread; otherwise in the calling thread.
  void run(bool onWorker) { start(onWorker); }
  void execute();

 protected:
  void run() override { execute(); }

 private:
  void _startSetupmetrics();
  void _startZeloRun();
  void _endProcessesInFolder();
  void _deleteDirectory(const std::wstring& folder);
  void _reportProgress(const std::wstring& itemPath);
  // True when refusal is empty; otherwise logs it and the removal must stop.
  bool _passes(const std::wstring& refusal) const;

  ZeloUninstallListener* listener_ = nullptr;
  UninstallPaths paths_;
  std::wstring path_;
  int progressCount_ = 0;  // items reported in this run; execute runs once per process
};
