// Uninstall: the uninstaller's entry. Logging, the UI framework's application object and the
// controller come to life in this order and go away in reverse; the message loop's result is
// the process exit code.
#include "base/LogFile.h"
#include "base/SpecialFolders.h"
#include "ui/core/KxApplication.h"
#include "ui/core/KxFontFactory.h"
#include "ui/core/KxTextStyle.h"
#include "uninstall/ZeloUninstallControl.h"
#include "uninstall/ZeloUninstallUI.h"

#include <windows.h>

#include <memory>

namespace {

// Built before the entry runs, in the older generation's log folder.
LogFile g_uninstallLog(appDataFolder() + L"\\tarsel\\zelo\\setup\\", L"setupV2.log");

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  setLogFileName(L"unistV2.log");
  // The relocated copy is started without a program name in front: log the line as received.
  writeLog(L"\r\n\r\nUninstall start, command line is %s", GetCommandLineW());
  KxApplication application;
  const KxString family(L"Microsoft YaHei");
  if (kxFontFamilyExists(family)) {
    setDefaultFontFamily(family);
    setDefaultFontSize(12);
  }
  int exitCode = 0;
  {
    ZeloUninstallControl control(std::make_unique<ZeloUninstallUI>());
    control.uninstall(GetCommandLineW());
    exitCode = application.exec();
  }  // the workers are stopped and joined, then the windows go
  return exitCode;
}
