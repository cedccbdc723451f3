// A process apart from the test, started by the tests to hold what a real second process would:
//   hold-mutex NAME READY RELEASE        owns nothing, just keeps the named mutex open
//   hold-file PATH SHARE READY RELEASE   keeps PATH open with the given FILE_SHARE_* bits
//   window CLASS READY RELEASE           keeps a top-level window of that class
//   quitting-window CLASS READY RELEASE  the same, but quits when it receives WM_APP + 601
//   keep-desktop                         keeps a hidden window until the session ends (see
//                                        tools/with-wineserver)
//   log FOLDER NAME COUNT TAG            writes COUNT lines "TAG n" through a LogFile
//   sleep MS                             waits, then exits 0
//   exit CODE                            exits with CODE at once
// READY and RELEASE are names of events: READY is set once the thing is held, and the helper
// lets go when RELEASE is set (or after a minute, so a failed test leaves nothing behind).
#include "base/LogFile.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

constexpr DWORD kGiveUpMs = 60000;

void signal(const wchar_t* name) {
  HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  if (event) {
    SetEvent(event);
    CloseHandle(event);
  }
}

void waitRelease(const wchar_t* name) {
  HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, name);
  if (!event) return;
  DWORD until = GetTickCount() + kGiveUpMs;
  // Pump messages while waiting so a held window stays responsive.
  for (;;) {
    DWORD now = GetTickCount();
    if (static_cast<LONG>(until - now) <= 0) break;
    DWORD r = MsgWaitForMultipleObjects(1, &event, FALSE, until - now, QS_ALLINPUT);
    if (r != WAIT_OBJECT_0 + 1) break;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  CloseHandle(event);
}

constexpr UINT kQuitRequest = WM_APP + 601;

LRESULT CALLBACK quittingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kQuitRequest) ExitProcess(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

int holdWindow(const wchar_t* className, const wchar_t* ready, const wchar_t* release,
               bool quitOnRequest) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = quitOnRequest ? quittingProc : DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, className, L"helper", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                nullptr, nullptr, wc.hInstance, nullptr);
  if (!window) return 3;
  signal(ready);
  waitRelease(release);
  DestroyWindow(window);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::wstring mode = argv[1];
  if (mode == L"hold-mutex" && argc == 5) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, argv[2]);
    if (!mutex) return 3;
    signal(argv[3]);
    waitRelease(argv[4]);
    CloseHandle(mutex);
    return 0;
  }
  if (mode == L"hold-file" && argc == 6) {
    HANDLE file = CreateFileW(argv[2], GENERIC_READ, static_cast<DWORD>(_wtoi(argv[3])), nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    signal(argv[4]);
    waitRelease(argv[5]);
    CloseHandle(file);
    return 0;
  }
  if (mode == L"window" && argc == 5) return holdWindow(argv[2], argv[3], argv[4], false);
  if (mode == L"quitting-window" && argc == 5) return holdWindow(argv[2], argv[3], argv[4], true);
  if (mode == L"keep-desktop" && argc == 2) {
    HWND window = CreateWindowExW(0, L"STATIC", L"keep-desktop", WS_POPUP, 0, 0, 1, 1, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return 3;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
  }
  if (mode == L"log" && argc == 6) {
    LogFile log(argv[2], argv[3]);
    int count = _wtoi(argv[4]);
    for (int i = 0; i < count; ++i) writeLog(L"%s %d", argv[5], i);
    return 0;
  }
  if (mode == L"sleep" && argc == 3) {
    Sleep(static_cast<DWORD>(_wtoi(argv[2])));
    return 0;
  }
  if (mode == L"exit" && argc == 3) return _wtoi(argv[2]);
  return 2;
}
