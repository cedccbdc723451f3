#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// The UI thread's Win32 message loop with message filters and idle handlers.
class KxMessageLoop {
 public:
  // Returns true to consume the message before it is dispatched.
  using Filter = std::function<bool(MSG&)>;
  // Gets the idle count of this burst; returns true to ask for more idle time.
  using IdleHandler = std::function<bool(int)>;

  static KxMessageLoop& instance();

  void addFilter(Filter filter) { filters_.push_back(std::move(filter)); }
  void addIdleHandler(IdleHandler handler) { idleHandlers_.push_back(std::move(handler)); }
  void clear();

  // Runs until WM_QUIT and returns its exit code.
  int run();

 private:
  bool runIdleHandlers(int count);
  bool filtered(MSG& msg);

  std::vector<Filter> filters_;
  std::vector<IdleHandler> idleHandlers_;
};
