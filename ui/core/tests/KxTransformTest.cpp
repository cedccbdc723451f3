#include "ui/core/KxNumeric.h"
#include "ui/core/KxTransform.h"

#include <gtest/gtest.h>

namespace {

struct ClassCase {
  const char* name;
  KxTransform transform;
  KxTransform::Type type;
};

struct MapCase {
  const char* name;
  KxTransform transform;
  KxPointF in;
  KxPointF out;
};

KxTransform full(double m11, double m12, double m13, double m21, double m22, double m23,
                 double dx, double dy, double m33) {
  return KxTransform(m11, m12, m13, m21, m22, m23, dx, dy, m33);
}

}  // namespace

TEST(KxTransform, ClassifiesLazilyWithFuzzyZeros) {
  const ClassCase cases[] = {
      {"default is identity", KxTransform(), KxTransform::Identity},
      {"tiny offsets are still identity", KxTransform(1, 0, 0, 1, 1e-13, -1e-13),
       KxTransform::Identity},
      {"offset only", KxTransform(1, 0, 0, 1, 3, 0), KxTransform::Translation},
      {"scale with offset", KxTransform(2, 0, 0, 0.5, 3, 4), KxTransform::Scaling},
      {"scale 1 + 1e-13 is no scaling", KxTransform(1 + 1e-13, 0, 0, 1, 0, 0),
       KxTransform::Identity},
      {"quarter turn", KxTransform(0, 1, -1, 0, 0, 0), KxTransform::Rotation},
      {"30 degrees", KxTransform(0.8660254037844386, 0.5, -0.5, 0.8660254037844386, 0, 0),
       KxTransform::Rotation},
      {"shear", KxTransform(1, 0, 0.5, 1, 0, 0), KxTransform::Shearing},
      {"perspective", full(1, 0, 0.001, 0, 1, 0, 0, 0, 1), KxTransform::Projection},
      {"m33 not 1", full(1, 0, 0, 0, 1, 0, 0, 0, 2), KxTransform::Projection},
  };
  for (const ClassCase& c : cases) EXPECT_EQ(c.transform.type(), c.type) << c.name;
}

TEST(KxTransform, ReclassifiesAfterAChange) {
  KxTransform t;
  EXPECT_TRUE(t.isIdentity());
  t.translate(5, 0);
  EXPECT_EQ(t.type(), KxTransform::Translation);
  t.scale(2, 2);
  EXPECT_EQ(t.type(), KxTransform::Scaling);
  t = t * t.inverted();
  EXPECT_EQ(t.type(), KxTransform::Identity);
}

TEST(KxTransform, MapsPointsByClass) {
  const MapCase cases[] = {
      {"identity", KxTransform(), {3, 4}, {3, 4}},
      {"translation", KxTransform::fromTranslate(10, -2), {3, 4}, {13, 2}},
      {"scaling", KxTransform(2, 0, 0, 3, 1, 1), {3, 4}, {7, 13}},
      {"quarter turn", KxTransform(0, 1, -1, 0, 0, 0), {3, 4}, {-4, 3}},
      {"shear", KxTransform(1, 0, 0.5, 1, 0, 0), {2, 4}, {4, 4}},
      {"projection", full(2, 0, 0, 0, 2, 1, 0, 0, 1), {3, 1}, {3, 1}},
  };
  for (const MapCase& c : cases) {
    const KxPointF p = c.transform.map(c.in);
    EXPECT_DOUBLE_EQ(p.x, c.out.x) << c.name;
    EXPECT_DOUBLE_EQ(p.y, c.out.y) << c.name;
  }
}

TEST(KxTransform, IntegerPointsRoundHalfUp) {
  const struct {
    double v;
    int rounded;
  } rounding[] = {{2.5, 3}, {-2.5, -2}, {2.4999, 2}, {-2.5001, -3}, {0.5, 1}, {-0.5, 0}, {7, 7}};
  for (const auto& r : rounding) EXPECT_EQ(kxRound(r.v), r.rounded) << r.v;

  const KxPoint p = KxTransform::fromScale(0.5, 0.5).map(KxPoint{5, -5});
  EXPECT_EQ(p.x, 3);   // 2.5
  EXPECT_EQ(p.y, -2);  // -2.5
}

TEST(KxTransform, InvertsEveryClass) {
  const KxTransform transforms[] = {
      KxTransform(),
      KxTransform::fromTranslate(7, -3),
      KxTransform(2, 0, 0, 4, 10, 20),
      KxTransform(0, 1, -1, 0, 5, 6),
      KxTransform(1, 0, 0.5, 1, 2, 3),
      full(2, 0, 0.01, 0, 2, 0.02, 1, 1, 1),
  };
  for (const KxTransform& t : transforms) {
    bool invertible = false;
    const KxTransform inverse = t.inverted(&invertible);
    ASSERT_TRUE(invertible) << "class " << t.type();
    const KxPointF there = t.map(KxPointF{3, 4});
    const KxPointF back = inverse.map(there);
    EXPECT_NEAR(back.x, 3, 1e-9) << "class " << t.type();
    EXPECT_NEAR(back.y, 4, 1e-9) << "class " << t.type();
  }
}

TEST(KxTransform, SingularMatricesAreNotInvertible) {
  const KxTransform singular[] = {KxTransform(0, 0, 0, 2, 0, 0), KxTransform(1, 2, 2, 4, 0, 0)};
  for (const KxTransform& t : singular) {
    bool invertible = true;
    EXPECT_TRUE(t.inverted(&invertible).isIdentity());
    EXPECT_FALSE(invertible);
  }
}
