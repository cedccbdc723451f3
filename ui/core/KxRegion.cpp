#include "KxRegion.h"

#include "KxGdiplus.h"

#include <utility>

using namespace kxgdi;

KxRegion::KxRegion(const KxRectF& rect) {
  RectF r(static_cast<REAL>(rect.x), static_cast<REAL>(rect.y), static_cast<REAL>(rect.width),
          static_cast<REAL>(rect.height));
  GdipCreateRegionRect(&r, &region_);
}

KxRegion::KxRegion(KxRegion&& other) noexcept : region_(std::exchange(other.region_, nullptr)) {}

KxRegion& KxRegion::operator=(KxRegion&& other) noexcept {
  if (this != &other) {
    if (region_) GdipDeleteRegion(region_);
    region_ = std::exchange(other.region_, nullptr);
  }
  return *this;
}

KxRegion::~KxRegion() {
  if (region_) GdipDeleteRegion(region_);
}

KxRegion KxRegion::roundRect(const KxRect& rect, int ellipseWidth, int ellipseHeight) {
  KxRegion region;
  HRGN rgn = CreateRoundRectRgn(rect.left, rect.top, rect.right + 2, rect.bottom + 2,
                                ellipseWidth, ellipseHeight);
  if (!rgn) return region;
  GdipCreateRegionHrgn(rgn, &region.region_);
  DeleteObject(rgn);
  return region;
}

bool KxRegion::contains(double x, double y) const {
  BOOL inside = FALSE;
  if (region_)
    GdipIsVisibleRegionPoint(region_, static_cast<REAL>(x), static_cast<REAL>(y), nullptr,
                             &inside);
  return inside != FALSE;
}
