#pragma once

#include <cstdint>

// A colour: red, green, blue, alpha bytes, in that order.
struct KxColor {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t alpha = 255;

  constexpr KxColor() = default;
  constexpr KxColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255)
      : red(r), green(g), blue(b), alpha(a) {}

  // The 32-bit value GDI+ takes: alpha << 24 | red << 16 | green << 8 | blue.
  constexpr uint32_t toArgb() const {
    return uint32_t(alpha) << 24 | uint32_t(red) << 16 | uint32_t(green) << 8 | uint32_t(blue);
  }
  constexpr bool operator==(const KxColor& o) const {
    return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
  }
  constexpr bool operator!=(const KxColor& o) const { return !(*this == o); }
};
