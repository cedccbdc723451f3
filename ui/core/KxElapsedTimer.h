#pragma once

#include <cstdint>

// The monotonic millisecond clock of animations and other elapsed-time measurements:
// GetTickCount64 where the system has it, else GetTickCount extended to 64 bits.
uint64_t elapsedMs();

// GetTickCount's 32 bits extended to 64: the high part grows whenever a reading is smaller
// than the one before it.
class KxTickExtender {
 public:
  uint64_t extend(uint32_t ticks);

 private:
  uint32_t last_ = 0;
  uint32_t wraps_ = 0;
};

// Measures from start() (or construction) to now.
class KxElapsedTimer {
 public:
  KxElapsedTimer() : start_(elapsedMs()) {}
  void start() { start_ = elapsedMs(); }
  uint64_t elapsed() const { return elapsedMs() - start_; }
  uint64_t startValue() const { return start_; }

 private:
  uint64_t start_;
};
