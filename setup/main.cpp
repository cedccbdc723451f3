// ZeloSetup: the installer's entry. Logging, the UI framework's application object and the
// controller come to life in this order and go away in reverse; the message loop's result is
// the process exit code (in the silent model, the code of the installation's outcome).
#include "base/LogFile.h"
#include "base/SpecialFolders.h"
#include "setup/ProductNames.h"
#include "setup/ZeloSetupControl.h"
#include "ui/core/KxApplication.h"

#include <windows.h>

namespace {

// Built before the entry runs; lines before setLogFileName would go to "setup.log".
LogFile g_setupLog(appDataFolder() + L"\\" + product::kMaker + L"\\" + product::kName + L"\\setup\\",
                   L"setup.log");

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int) {
  setLogFileName(L"setupV2.log");
  writeLog(L"Setup start, command line is %s", commandLine);
  KxApplication application;
  int exitCode = 0;
  {
    ZeloSetupControl control;
    control.startSetup(GetCommandLineW());
    exitCode = application.exec();
  }  // the workers are stopped and joined, then the windows go
  return exitCode;
}
