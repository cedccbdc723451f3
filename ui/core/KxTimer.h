#pragma once

#include "KxRttiObject.h"

#include <functional>
#include <vector>

// A repeating timer on the UI thread, multiplexed with the others onto one hidden service
// window. A single-shot timer is one that stops itself in its callback. Deleting a timer stops
// it; a callback may stop or delete its own timer.
class KxTimer : public KxRttiObject {
  KX_CLASS(KxTimer)

 public:
  using Callback = std::function<void(KxTimer*)>;

  KxTimer() = default;
  ~KxTimer() override;
  KxTimer(const KxTimer&) = delete;
  KxTimer& operator=(const KxTimer&) = delete;

  // Active with the same interval: nothing happens (the countdown goes on). Active with another
  // interval: restarted with the new one.
  void start(int intervalMs);
  void stop();
  bool isActive() const { return id_ != -1; }
  int id() const { return id_; }
  int interval() const { return interval_; }

  // The timeout signal: every callback, in the order added.
  void onTimeout(Callback callback) { callbacks_.push_back(std::move(callback)); }
  void clearCallbacks() { callbacks_.clear(); }

  // Called by the service window on WM_TIMER.
  void emitTimeout();

 private:
  int id_ = -1;
  int interval_ = -1;
  std::vector<Callback> callbacks_;
};
