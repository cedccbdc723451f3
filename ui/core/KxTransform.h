#pragma once

#include "KxGeometry.h"

#include <cstdint>

// A 3x3 transform of row vectors: a point (x, y, 1) times the matrix
//   | m11 m12 m13 |
//   | m21 m22 m23 |
//   | dx  dy  m33 |
// Its class (identity, translation, scaling, rotation, shearing, projection) picks the cheapest
// way to map points; it is worked out lazily, after a change, with values within 1e-12 of zero
// counting as zero.
class KxTransform {
 public:
  enum Type : uint32_t {
    Identity = 0,
    Translation = 1,
    Scaling = 2,
    Rotation = 4,
    Shearing = 8,
    Projection = 16,
  };

  KxTransform() = default;
  KxTransform(double m11, double m12, double m21, double m22, double dx, double dy);
  KxTransform(double m11, double m12, double m13, double m21, double m22, double m23, double dx,
              double dy, double m33);

  static KxTransform fromTranslate(double dx, double dy);
  static KxTransform fromScale(double sx, double sy);

  double m11() const { return m11_; }
  double m12() const { return m12_; }
  double m13() const { return m13_; }
  double m21() const { return m21_; }
  double m22() const { return m22_; }
  double m23() const { return m23_; }
  double dx() const { return dx_; }
  double dy() const { return dy_; }
  double m33() const { return m33_; }

  // The class, reclassified first when a change is pending.
  Type type() const;
  bool isIdentity() const { return type() == Identity; }
  bool isAffine() const { return type() < Projection; }

  // Adds a translation before this transform (in its own coordinates).
  KxTransform& translate(double dx, double dy);
  KxTransform& scale(double sx, double sy);

  KxPointF map(const KxPointF& p) const;
  // Integer points come back rounded half up.
  KxPoint map(const KxPoint& p) const;
  // The bounding rectangle of the mapped corners.
  KxRectF mapRect(const KxRectF& r) const;

  // The inverse; invertible, if given, tells whether there was one (the identity is returned
  // when there was not).
  KxTransform inverted(bool* invertible = nullptr) const;
  double determinant() const;

  // This transform followed by other.
  KxTransform operator*(const KxTransform& other) const;
  bool operator==(const KxTransform& other) const;
  bool operator!=(const KxTransform& other) const { return !(*this == other); }

 private:
  static constexpr uint32_t kClassMask = 0x1F;
  static constexpr uint32_t kPendingShift = 5;
  void markChanged(Type atMost) { typeWord_ = (typeWord_ & kClassMask) | (atMost << kPendingShift); }

  double m11_ = 1, m12_ = 0, m21_ = 0, m22_ = 1, dx_ = 0, dy_ = 0;
  double m13_ = 0, m23_ = 0, m33_ = 1;
  // Low 5 bits: the class; bits 5 to 9: a change is pending and reclassification is due.
  mutable uint32_t typeWord_ = Identity;
};
