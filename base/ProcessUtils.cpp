#include "ProcessUtils.h"

#include "LogFile.h"
#include "WideFormat.h"
#include "WinHandles.h"

#include <vector>

namespace {

constexpr size_t kRunProcessChars = 1024;
constexpr size_t kRunExeChars = 4096;

// CreateProcessW may write into the command line, so it gets a buffer of its own.
std::vector<wchar_t> commandBuffer(const std::wstring& text, size_t capacity) {
  std::vector<wchar_t> buffer(capacity, L'\0');
  text.copy(buffer.data(), capacity - 1);
  return buffer;
}

}  // namespace

void runProcess(const std::wstring& program, const wchar_t* argument, const wchar_t* workingDir,
                bool wait) {
  std::wstring command = argument ? L"\"" + program + L"\" \"" + argument + L"\"" : program;
  std::vector<wchar_t> buffer = commandBuffer(command, kRunProcessChars);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingDir, &startup, &info))
    return;
  UniqueHandle process(info.hProcess), thread(info.hThread);
  if (wait) WaitForSingleObject(process.get(), INFINITE);
}

bool runExeFile(const std::wstring& program, const std::wstring& commandLine, bool wait) {
  std::vector<wchar_t> buffer = commandBuffer(commandLine, kRunExeChars);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    writeLog(L"runExeFile, CreateProcess return false, last error is %d.",
             static_cast<int>(GetLastError()));
    return false;
  }
  UniqueHandle process(info.hProcess), thread(info.hThread);
  if (wait && WaitForSingleObject(process.get(), kRunExeWaitMs) == WAIT_TIMEOUT)
    writeLog(L"runExeFile, WaitForSingleObject timeout.");
  return true;
}

namespace {

struct WindowSearch {
  DWORD processId;
  const std::wstring* className;
  HWND found;
};

BOOL CALLBACK matchProcessWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  wchar_t name[MAX_PATH + 1] = {};
  GetClassNameW(window, name, MAX_PATH + 1);
  if (*search->className != name) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND findProcessWindow(DWORD processId, const std::wstring& className) {
  WindowSearch search = {processId, &className, nullptr};
  EnumWindows(&matchProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
