#pragma once

#include <windows.h>

#include <map>

class KxTimer;

// The hidden window of class "KxTimerServiceWindow" that carries every KxTimer's Win32 timer.
// It exists only while at least one timer runs.
class KxTimerService {
 public:
  static KxTimerService& instance();

  // Sets a Win32 timer for timer and returns its id; creates the window if needed.
  int add(KxTimer* timer, int intervalMs);
  // Kills the timer; destroys the window when no timer remains.
  void remove(int id);

  HWND window() const { return window_; }
  size_t count() const { return timers_.size(); }

 private:
  KxTimerService() = default;
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool ensureWindow();
  int nextId();

  HWND window_ = nullptr;
  std::map<int, KxTimer*> timers_;
  int counter_ = 1;
};
