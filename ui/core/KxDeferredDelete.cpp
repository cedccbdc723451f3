#include "KxDeferredDelete.h"

void deleteLater(KxRttiObject* object) { KxDeferredDelete::instance().add(object); }

KxDeferredDelete& KxDeferredDelete::instance() {
  // Never destroyed: timers and weak references may outlive any static order.
  static KxDeferredDelete* service = new KxDeferredDelete;  // UI thread only
  return *service;
}

KxDeferredDelete::KxDeferredDelete() {
  timer_.onTimeout([this](KxTimer*) { onTimeout(); });
  timer_.start(0);  // its first, empty timeout stops it
}

void KxDeferredDelete::add(KxRttiObject* object) {
  if (!object) return;
  pending_.emplace_back(object);
  if (!timer_.isActive()) timer_.start(kIntervalMs);
}

// Requests made while a batch is deleted go to a fresh list, for the next turn.
void KxDeferredDelete::deleteBatch() {
  std::vector<KxWeakRef> batch;
  batch.swap(pending_);
  for (KxWeakRef& ref : batch) {
    if (KxRttiObject* object = ref.get()) delete object;
  }
}

void KxDeferredDelete::onTimeout() {
  deleteBatch();
  if (pending_.empty()) timer_.stop();
}

void KxDeferredDelete::flush() {
  while (!pending_.empty()) deleteBatch();
  timer_.stop();
}
