#include "KxRenderQuality.h"

#include "KxGdiplus.h"

using namespace kxgdi;

KxRenderQuality& KxRenderQuality::instance() {
  static KxRenderQuality* quality = new KxRenderQuality;
  return *quality;
}

void KxRenderQuality::apply(GpGraphics* graphics) const {
  if (!graphics) return;
  GdipSetTextRenderingHint(graphics, static_cast<TextRenderingHint>(textRenderingHint));
  GdipSetInterpolationMode(graphics, static_cast<InterpolationMode>(interpolationMode));
  GdipSetCompositingQuality(graphics, static_cast<CompositingQuality>(compositingQuality));
}
