// The demo product "OrviZelo.exe": records how it was started and keeps a top-level window of
// the product's main frame class until it is asked to quit with WM_APP + 601 (ignored when
// started with "--ignore-quit", which plays a product that does not answer).
#include "StartRecord.h"

#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kMainFrameClass[] = L"TARSEL SPEAK MAIN FRAME | 4D1BB563-E5FC-4771-AD17-6442A4147044";
constexpr UINT kQuitRequest = WM_APP + 601;
bool ignoreQuit = false;

LRESULT CALLBACK mainFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kQuitRequest) {
    if (!ignoreQuit) DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR args, int) {
  recordStart();
  ignoreQuit = std::wcsstr(args, L"--ignore-quit") != nullptr;
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = mainFrameProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kMainFrameClass;
  if (!RegisterClassW(&windowClass)) return 1;
  HWND window = CreateWindowExW(0, kMainFrameClass, L"OrviZelo", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                100, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
