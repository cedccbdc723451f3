#pragma once

#include <cmath>

// Doubles become pixels by rounding half up: the nearest integer, halves towards positive
// infinity (-2.5 gives -2, 2.5 gives 3).
inline int kxRound(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// A value counts as zero when its magnitude is at most 1e-12.
inline bool kxFuzzyIsNull(double v) { return std::fabs(v) <= 1e-12; }

// Equal within a relative tolerance of 1e-12.
inline bool kxFuzzyCompare(double a, double b) {
  return std::fabs(a - b) * 1e12 <= std::fmin(std::fabs(a), std::fabs(b));
}
