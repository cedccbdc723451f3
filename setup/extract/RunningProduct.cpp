#include "setup/extract/RunningProduct.h"

#include "base/LogFile.h"
#include "base/ProcessUtils.h"
#include "base/WinHandles.h"
#include "setup/ProductNames.h"

#include <tlhelp32.h>

namespace {

// After TerminateProcess the process may take a moment to leave the process list.
constexpr DWORD kTerminateWaitMs = 2000;

bool runsFrom(DWORD processId, const std::wstring& executable) {
  UniqueHandle modules(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!modules) return false;
  MODULEENTRY32W module = {};
  module.dwSize = sizeof module;
  if (!Module32FirstW(modules.get(), &module)) return false;
  return executable == module.szExePath;
}

}  // namespace

DWORD findRunningProduct(const std::wstring& installDir) {
  UniqueHandle processes(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!processes) return 0;
  const std::wstring executable = installDir + product::kExecutable;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(processes.get(), &entry); more;
       more = Process32NextW(processes.get(), &entry)) {
    if (wcscmp(entry.szExeFile, product::kExecutable) == 0 &&
        runsFrom(entry.th32ProcessID, executable))
      return entry.th32ProcessID;
  }
  return 0;
}

void quitProduct(DWORD processId) {
  if (HWND window = findProcessWindow(processId, product::kMainFrameClass)) {
    PostMessageW(window, product::kQuitRequest, 0, 0);
    writeLog(L"ZeloSetupDecompressor::_quitApp, post message (WM_APP + 601) to app for quit.");
  }
  UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId));
  if (!process) {
    writeLog(L"ZeloSetupDecompressor::_quitApp, OpenProcess return NULL, app already quit.");
    return;
  }
  if (WaitForSingleObject(process.get(), kQuitWaitMs) == WAIT_TIMEOUT) {
    writeLog(L"ZeloSetupDecompressor::_quitApp, WaitForSingleObject time-out, will terminate process.");
    TerminateProcess(process.get(), 0);
    WaitForSingleObject(process.get(), kTerminateWaitMs);
  }
}

bool closeAllProducts(const std::wstring& installDir) {
  for (int round = 0; round < kCloseRounds; ++round) {
    DWORD processId = findRunningProduct(installDir);
    if (!processId) return true;
    quitProduct(processId);
  }
  if (!findRunningProduct(installDir)) return true;
  writeLog(L"ZeloSetupDecompressor::_closeAllApp, the product still runs after %d rounds, go on.",
           kCloseRounds);
  return false;
}
