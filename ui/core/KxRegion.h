#pragma once

#include "KxGeometry.h"

#include <memory>

namespace Gdiplus {
class GpRegion;
}

// A clip region (an owned GDI+ region). Move-only.
class KxRegion {
 public:
  KxRegion() = default;
  explicit KxRegion(const KxRectF& rect);
  KxRegion(KxRegion&& other) noexcept;
  KxRegion& operator=(KxRegion&& other) noexcept;
  KxRegion(const KxRegion&) = delete;
  KxRegion& operator=(const KxRegion&) = delete;
  ~KxRegion();

  // The Windows rounded-rectangle region with corners (left, top) and (right + 2, bottom + 2).
  static KxRegion roundRect(const KxRect& rect, int ellipseWidth, int ellipseHeight);

  bool isNull() const { return region_ == nullptr; }
  bool contains(double x, double y) const;
  Gdiplus::GpRegion* handle() const { return region_; }

 private:
  Gdiplus::GpRegion* region_ = nullptr;
};
