#include "KxTimerService.h"

#include "KxTimer.h"

namespace {

constexpr wchar_t kClassName[] = L"KxTimerServiceWindow";

}  // namespace

KxTimerService& KxTimerService::instance() {
  // Never destroyed: timers and weak references may outlive any static order.
  static KxTimerService* service = new KxTimerService;  // UI thread only
  return *service;
}

LRESULT CALLBACK KxTimerService::windowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      auto& timers = instance().timers_;
      auto found = timers.find(static_cast<int>(wParam));
      if (found != timers.end()) found->second->emitTimeout();
      return 0;
    }
    case WM_DESTROY:
    case WM_NCDESTROY:
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool KxTimerService::ensureWindow() {
  if (window_) return true;
  HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = &KxTimerService::windowProc;
  wc.hInstance = module;
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);  // already registered by an earlier window: fine
  window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module,
                            nullptr);
  return window_ != nullptr;
}

int KxTimerService::nextId() {
  while (timers_.count(counter_)) ++counter_;
  return counter_++;
}

int KxTimerService::add(KxTimer* timer, int intervalMs) {
  if (!ensureWindow()) return -1;
  const int id = nextId();
  if (!SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(intervalMs), nullptr)) {
    if (timers_.empty()) {  // the window lives only while a timer runs
      DestroyWindow(window_);
      window_ = nullptr;
    }
    return -1;
  }
  timers_[id] = timer;
  return id;
}

void KxTimerService::remove(int id) {
  if (timers_.erase(id) == 0) return;
  KillTimer(window_, static_cast<UINT_PTR>(id));
  if (timers_.empty() && window_) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
}
