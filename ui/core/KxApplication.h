#pragma once

#include "KxRttiObject.h"

#include "base/KxString.h"

#include <windows.h>

#include <cstdint>
#include <set>

// The process's framework object: starts and stops GDI+, prepares the framework's process-wide
// services, keeps the set of live native windows and runs the message loop until the last one
// is gone. Exactly one exists, built on the UI thread before any window.
class KxApplication : public KxRttiObject {
  KX_CLASS(KxApplication)

 public:
  KxApplication();
  ~KxApplication() override;
  KxApplication(const KxApplication&) = delete;
  KxApplication& operator=(const KxApplication&) = delete;

  static KxApplication* instance();

  // With no window: returns at once, with the code of a quit request already posted (0 if
  // none). Otherwise runs the message loop and returns the WM_QUIT exit code.
  int exec();
  // Posts WM_QUIT with exit code 0.
  void quit();

  // Called by the windows on WM_CREATE and WM_DESTROY; the last one gone ends the loop.
  void registerWindow(HWND window);
  void unregisterWindow(HWND window);
  size_t windowCount() const { return windows_.size(); }

  // The program's folder, ending in a backslash.
  const KxString& programDir() const { return programDir_; }

 private:
  std::set<HWND> windows_;
  KxString programDir_;
  uint8_t flags_ = 0;
  ULONG_PTR gdiplusToken_ = 0;
};
