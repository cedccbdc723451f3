#pragma once

namespace Gdiplus {
class GpGraphics;
}

// The rendering settings of every graphics object a canvas creates: anti-aliased, grid-fitted
// text (hint 3), low-quality interpolation (1) and high-speed compositing (1). Process-wide.
struct KxRenderQuality {
  int textRenderingHint = 3;
  int interpolationMode = 1;
  int compositingQuality = 1;

  static KxRenderQuality& instance();
  void apply(Gdiplus::GpGraphics* graphics) const;
};
