#pragma once

#include "KxTimer.h"
#include "KxWeakRef.h"

#include <vector>

class KxRttiObject;

// Deletes objects on a later turn of the message loop, when no handler of theirs is on the
// stack any more. Objects destroyed by other means in between are skipped.
void deleteLater(KxRttiObject* object);

// The service behind deleteLater; the application creates it and runs it empty at teardown.
class KxDeferredDelete {
 public:
  static constexpr int kIntervalMs = 16;

  static KxDeferredDelete& instance();

  void add(KxRttiObject* object);
  // Deletes everything pending, including what those deletions ask for, and stops the timer.
  void flush();
  size_t pending() const { return pending_.size(); }
  bool isTimerActive() const { return timer_.isActive(); }

 private:
  KxDeferredDelete();
  void onTimeout();
  void deleteBatch();

  std::vector<KxWeakRef> pending_;
  KxTimer timer_;
};
