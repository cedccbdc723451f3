#pragma once

#include <windows.h>

#include <functional>

// Runs the thread's messages until done() holds or timeoutMs passed; returns done().
inline bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

inline HWND timerServiceWindow() {
  HWND window = nullptr;
  // Only this process's service window counts.
  while ((window = FindWindowExW(nullptr, window, L"KxTimerServiceWindow", nullptr))) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == GetCurrentProcessId()) return window;
  }
  return nullptr;
}
