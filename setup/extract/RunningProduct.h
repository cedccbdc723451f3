#pragma once

#include <windows.h>

#include <string>

// The installed product running from a given install folder.

// The id of a process named exactly "OrviZelo.exe" whose executable is installDir +
// "OrviZelo.exe" (exact comparisons), or 0.
DWORD findRunningProduct(const std::wstring& installDir);

// Asks the process's main window to quit (WM_APP + 601), and terminates the process if it
// still runs after kQuitWaitMs.
constexpr DWORD kQuitWaitMs = 500;
void quitProduct(DWORD processId);

// Repeats quitProduct while the product is found, for at most kCloseRounds rounds. Returns
// whether it is gone; one that survives is logged and left to the set-aside of locked files.
constexpr int kCloseRounds = 5;
bool closeAllProducts(const std::wstring& installDir);
