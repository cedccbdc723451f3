#include "KxTimer.h"

#include "KxTimerService.h"
#include "KxWeakRef.h"

KX_IMPLEMENT_CLASS(KxTimer, KxRttiObject)

KxTimer::~KxTimer() { stop(); }

void KxTimer::start(int intervalMs) {
  if (isActive()) {
    if (interval_ == intervalMs) return;
    stop();
  }
  const int id = KxTimerService::instance().add(this, intervalMs);
  if (id == -1) return;
  id_ = id;
  interval_ = intervalMs;
}

void KxTimer::stop() {
  if (!isActive()) return;
  KxTimerService::instance().remove(id_);
  id_ = -1;
  interval_ = -1;
}

// NOTE: a callback may stop, restart or delete this timer, or add callbacks: the walk goes over
// a copy, and ends as soon as the timer is gone or stopped.
void KxTimer::emitTimeout() {
  const std::vector<Callback> callbacks = callbacks_;
  KxWeakRef self(this);
  const int id = id_;
  for (const Callback& callback : callbacks) {
    callback(this);
    if (self.isNull() || id_ != id) return;
  }
}
