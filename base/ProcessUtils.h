#pragma once

#include <windows.h>

#include <string>

// Starts a program with CreateProcessW. With an argument the command line is the quoted program
// path, a blank and the quoted argument; without one, the program path alone. The program path is
// also passed as the application name, so a path with blanks never starts a shorter prefix of it.
// wait: blocks until the program ends, without a time limit. Failures are silent.
void runProcess(const std::wstring& program, const wchar_t* argument, const wchar_t* workingDir,
                bool wait);

// Starts program with commandLine passed unchanged (the caller puts the program name in front if
// the program expects one) and no working folder. wait: at most kRunExeWaitMs. Failures and the
// time-out are logged. Returns whether the program started (a time-out still counts as started).
constexpr DWORD kRunExeWaitMs = 10000;
bool runExeFile(const std::wstring& program, const std::wstring& commandLine, bool wait);

// The first top-level window of process whose class name equals className (case-sensitive).
HWND findProcessWindow(DWORD processId, const std::wstring& className);
