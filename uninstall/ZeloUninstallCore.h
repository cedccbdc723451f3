#pragma once

#include "uninstall/UninstallPaths.h"

#include <memory>
#include <string>

class ZeloFileCleaner;
class ZeloProcessChecker;
class ZeloUninstallListener;

// The uninstaller's work: the install path, the relocation of the uninstaller out of the folder
// it is about to remove, and the two workers.
class ZeloUninstallCore {
 public:
  ZeloUninstallCore(ZeloUninstallListener* listener, UninstallPaths paths = {});
  // Stops and joins both workers.
  ~ZeloUninstallCore();
  ZeloUninstallCore(const ZeloUninstallCore&) = delete;
  ZeloUninstallCore& operator=(const ZeloUninstallCore&) = delete;

  // installPath := path, ending in a backslash.
  void setPath(const std::wstring& path);
  const std::wstring& path() const { return path_; }

  // A silent run reports nothing: both workers lose their listener.
  void setSilent(bool silent);
  bool isSilent() const { return silent_; }

  // Copies the uninstaller into a fresh folder relocationFolder() + "{GUID}\\" (emptying the
  // relocation folder first) and starts the copy, not waiting, with relaunchCommandLine().
  // Returns whether the copy was made and started.
  bool prepareUninstall();
  // dataRoot + "setup\\uninstall\\".
  std::wstring relocationFolder() const;
  // "-delete" or "-silencedelete", then "-path" and the install path quoted, without its
  // trailing backslash. The copy receives exactly this text as its command line.
  std::wstring relaunchCommandLine() const;

  ZeloFileCleaner& fileCleaner() { return *fileCleaner_; }
  ZeloProcessChecker& processChecker() { return *processChecker_; }
  const UninstallPaths& paths() const { return paths_; }

 private:
  UninstallPaths paths_;
  bool silent_ = false;
  std::wstring path_;
  std::unique_ptr<ZeloFileCleaner> fileCleaner_;
  std::unique_ptr<ZeloProcessChecker> processChecker_;
};
