#pragma once

#include <string>

// Where the uninstaller finds itself and keeps its data. Empty members mean the real ones: the
// running executable and the per-user data root under the roaming application data. Tests point
// both at folders of their own, so that no relocation or data folder of the machine is touched.
struct UninstallPaths {
  std::wstring executable;  // full path of the uninstaller's own program
  std::wstring dataRoot;    // ends in a backslash

  std::wstring resolvedExecutable() const;
  // Created with all missing parents.
  std::wstring resolvedDataRoot() const;
  // resolvedDataRoot() + "setup\\uninstall\\": the relocated copies live below it.
  std::wstring relocationFolder() const;
  // The folder of the executable, without a trailing backslash.
  std::wstring executableFolder() const;
};
