#include "KxTransform.h"

#include "KxNumeric.h"

#include <algorithm>

KxTransform::KxTransform(double m11, double m12, double m21, double m22, double dx, double dy)
    : m11_(m11), m12_(m12), m21_(m21), m22_(m22), dx_(dx), dy_(dy) {
  markChanged(Shearing);
}

KxTransform::KxTransform(double m11, double m12, double m13, double m21, double m22, double m23,
                         double dx, double dy, double m33)
    : m11_(m11), m12_(m12), m21_(m21), m22_(m22), dx_(dx), dy_(dy), m13_(m13), m23_(m23),
      m33_(m33) {
  markChanged(Projection);
}

KxTransform KxTransform::fromTranslate(double dx, double dy) {
  return KxTransform(1, 0, 0, 1, dx, dy);
}

KxTransform KxTransform::fromScale(double sx, double sy) { return KxTransform(sx, 0, 0, sy, 0, 0); }

KxTransform::Type KxTransform::type() const {
  if ((typeWord_ >> kPendingShift) == 0) return static_cast<Type>(typeWord_ & kClassMask);
  Type t;
  if (!kxFuzzyIsNull(m13_) || !kxFuzzyIsNull(m23_) || !kxFuzzyIsNull(m33_ - 1)) {
    t = Projection;
  } else if (!kxFuzzyIsNull(m12_) || !kxFuzzyIsNull(m21_)) {
    t = kxFuzzyIsNull(m22_ * m21_ + m12_ * m11_) ? Rotation : Shearing;
  } else if (!kxFuzzyIsNull(m11_ - 1) || !kxFuzzyIsNull(m22_ - 1)) {
    t = Scaling;
  } else if (!kxFuzzyIsNull(dx_) || !kxFuzzyIsNull(dy_)) {
    t = Translation;
  } else {
    t = Identity;
  }
  typeWord_ = t;
  return t;
}

KxTransform& KxTransform::translate(double dx, double dy) {
  *this = fromTranslate(dx, dy) * *this;
  return *this;
}

KxTransform& KxTransform::scale(double sx, double sy) {
  *this = fromScale(sx, sy) * *this;
  return *this;
}

KxPointF KxTransform::map(const KxPointF& p) const {
  const double x = p.x, y = p.y;
  switch (type()) {
    case Identity:
      return p;
    case Translation:
      return {x + dx_, y + dy_};
    case Scaling:
      return {dx_ + x * m11_, dy_ + y * m22_};
    case Rotation:
    case Shearing:
      return {dx_ + y * m21_ + x * m11_, dy_ + y * m22_ + x * m12_};
    case Projection:
    default: {
      const double w = y * m23_ + x * m13_ + m33_;
      return {(dx_ + y * m21_ + x * m11_) / w, (dy_ + y * m22_ + x * m12_) / w};
    }
  }
}

KxPoint KxTransform::map(const KxPoint& p) const {
  KxPointF f = map(KxPointF{double(p.x), double(p.y)});
  return {kxRound(f.x), kxRound(f.y)};
}

KxRectF KxTransform::mapRect(const KxRectF& r) const {
  const KxPointF corners[4] = {map(KxPointF{r.x, r.y}), map(KxPointF{r.x + r.width, r.y}),
                               map(KxPointF{r.x, r.y + r.height}),
                               map(KxPointF{r.x + r.width, r.y + r.height})};
  double left = corners[0].x, right = left, top = corners[0].y, bottom = top;
  for (const KxPointF& c : corners) {
    left = std::min(left, c.x);
    right = std::max(right, c.x);
    top = std::min(top, c.y);
    bottom = std::max(bottom, c.y);
  }
  return {left, top, right - left, bottom - top};
}

double KxTransform::determinant() const {
  return m11_ * (m33_ * m22_ - dy_ * m23_) - m21_ * (m33_ * m12_ - dy_ * m13_) +
         dx_ * (m23_ * m12_ - m22_ * m13_);
}

KxTransform KxTransform::inverted(bool* invertible) const {
  bool ok = true;
  KxTransform result;
  switch (type()) {
    case Identity:
      break;
    case Translation:
      result = fromTranslate(-dx_, -dy_);
      break;
    case Scaling:
      ok = !kxFuzzyIsNull(m11_) && !kxFuzzyIsNull(m22_);
      // The translation that a scaling may carry is undone too.
      if (ok) result = KxTransform(1 / m11_, 0, 0, 1 / m22_, -dx_ / m11_, -dy_ / m22_);
      break;
    default: {
      const double det = determinant();
      ok = !kxFuzzyIsNull(det);
      if (!ok) break;
      // The adjoint divided by the determinant.
      result = KxTransform((m22_ * m33_ - m23_ * dy_) / det, (m13_ * dy_ - m12_ * m33_) / det,
                           (m12_ * m23_ - m13_ * m22_) / det, (m23_ * dx_ - m21_ * m33_) / det,
                           (m11_ * m33_ - m13_ * dx_) / det, (m13_ * m21_ - m11_ * m23_) / det,
                           (m21_ * dy_ - m22_ * dx_) / det, (m12_ * dx_ - m11_ * dy_) / det,
                           (m11_ * m22_ - m12_ * m21_) / det);
    }
  }
  if (invertible) *invertible = ok;
  return ok ? result : KxTransform();
}

KxTransform KxTransform::operator*(const KxTransform& o) const {
  if (isIdentity()) return o;
  if (o.isIdentity()) return *this;
  return KxTransform(m11_ * o.m11_ + m12_ * o.m21_ + m13_ * o.dx_,
                     m11_ * o.m12_ + m12_ * o.m22_ + m13_ * o.dy_,
                     m11_ * o.m13_ + m12_ * o.m23_ + m13_ * o.m33_,
                     m21_ * o.m11_ + m22_ * o.m21_ + m23_ * o.dx_,
                     m21_ * o.m12_ + m22_ * o.m22_ + m23_ * o.dy_,
                     m21_ * o.m13_ + m22_ * o.m23_ + m23_ * o.m33_,
                     dx_ * o.m11_ + dy_ * o.m21_ + m33_ * o.dx_,
                     dx_ * o.m12_ + dy_ * o.m22_ + m33_ * o.dy_,
                     dx_ * o.m13_ + dy_ * o.m23_ + m33_ * o.m33_);
}

bool KxTransform::operator==(const KxTransform& o) const {
  return kxFuzzyCompare(m11_, o.m11_) && kxFuzzyCompare(m12_, o.m12_) &&
         kxFuzzyCompare(m13_, o.m13_) && kxFuzzyCompare(m21_, o.m21_) &&
         kxFuzzyCompare(m22_, o.m22_) && kxFuzzyCompare(m23_, o.m23_) &&
         kxFuzzyCompare(dx_, o.dx_) && kxFuzzyCompare(dy_, o.dy_) &&
         kxFuzzyCompare(m33_, o.m33_);
}
