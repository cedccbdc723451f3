#include "setup/CompanionPrograms.h"

#include "base/LogFile.h"
#include "base/ProcessUtils.h"
#include "base/WinHandles.h"
#include "setup/ProductNames.h"

#include <shlobj.h>
#include <windows.h>

namespace {

std::wstring versionProgram(const std::wstring& installDir, const wchar_t* name) {
  return installDir + product::kVersion + L"\\" + name;
}

}  // namespace

void runWizardUpdate(const std::wstring& installDir) {
  writeLog(L"ZeloSetupCore::_do3XUpdate begin.");
  const std::wstring program = installDir + product::kWizard;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &info)) {
    UniqueHandle process(info.hProcess), thread(info.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    writeLog(L"ZeloSetupCore::_do3XUpdate, wait finish.");
  }
  writeLog(L"ZeloSetupCore::_do3XUpdate finish.");
}

void runSetupMetrics(const std::wstring& installDir) {
  const std::wstring program = versionProgram(installDir, product::kSetupMetrics);
  const std::wstring argument = std::wstring(L"\"|") + product::kVersion + L"|4|i|\"";
  writeLog(L"ZeloSetupCore::runSetupmetrics, run %s parameter is %s.", program.c_str(),
           argument.c_str());
  runProcess(program, argument.c_str(), installDir.c_str(), false);
}

void runZeloRun(const std::wstring& installDir) {
  const std::wstring program = versionProgram(installDir, product::kZeloRun);
  writeLog(L"ZeloSetupCore::runZeloRun, run %s parameter is -reg.", program.c_str());
  runProcess(program, L"-reg", installDir.c_str(), false);
}

void runProduct(const std::wstring& installDir, const std::wstring& workingDir) {
  SHCreateDirectoryExW(nullptr, workingDir.c_str(), nullptr);
  runProcess(installDir + product::kExecutable, nullptr, workingDir.c_str(), false);
}
