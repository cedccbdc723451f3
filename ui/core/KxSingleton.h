#pragma once

#include <atomic>

// Publication of a process-wide singleton created on first use: two first users may race, the
// compare-and-exchange decides, and the loser destroys its own instance. created, if given,
// tells whether this call's instance was the one published.
template <typename T>
T* kxPublishOnce(std::atomic<T*>& slot, bool* created = nullptr) {
  if (created) *created = false;
  T* current = slot.load();
  if (current) return current;
  T* mine = new T;
  if (slot.compare_exchange_strong(current, mine)) {
    if (created) *created = true;
    return mine;
  }
  delete mine;
  return current;
}
