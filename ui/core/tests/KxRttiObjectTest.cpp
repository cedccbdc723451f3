#include "TestClasses.h"

#include "base/MemPool.h"
#include "ui/core/KxClassRegistry.h"

#include <gtest/gtest.h>

#include <memory>

KX_IMPLEMENT_CLASS_RECORD(TestShape, KxRttiObject, kxCode("TSHP"), KX_CLASS_FACTORY(TestShape))
KX_IMPLEMENT_CLASS_RECORD(TestCircle, TestShape, kxCode("TCRC"), KX_CLASS_FACTORY(TestCircle))
KX_IMPLEMENT_CLASS_RECORD(TestSquare, TestShape, kxCode("TSQR"), KX_CLASS_FACTORY(TestSquare))
KX_IMPLEMENT_CLASS_RECORD(TestAbstract, TestShape, kxCode("TABS"), nullptr)
KX_IMPLEMENT_AUTO_CODE_CLASS(TestAutoFirst, KxRttiObject)
KX_IMPLEMENT_AUTO_CODE_CLASS(TestAutoSecond, KxRttiObject)

TEST(KxRttiObject, KindOfFollowsTheBaseChain) {
  std::unique_ptr<KxRttiObject> circle(new TestCircle);
  std::unique_ptr<KxRttiObject> square(new TestSquare);
  std::unique_ptr<KxRttiObject> root(new KxRttiObject);
  struct KindCase {
    const char* what;
    const KxRttiObject* object;
    const KxClassInfo* record;
    bool kindOf;
  };
  const KindCase cases[] = {
      {"circle is a circle", circle.get(), TestCircle::staticClassInfo(), true},
      {"circle is a shape", circle.get(), TestShape::staticClassInfo(), true},
      {"circle is a KxRttiObject", circle.get(), KxRttiObject::staticClassInfo(), true},
      {"circle is no square", circle.get(), TestSquare::staticClassInfo(), false},
      {"square is a KxRttiObject", square.get(), KxRttiObject::staticClassInfo(), true},
      {"the root is no shape", root.get(), TestShape::staticClassInfo(), false},
      {"the root is a KxRttiObject", root.get(), KxRttiObject::staticClassInfo(), true},
  };
  for (const KindCase& c : cases) EXPECT_EQ(c.object->isKindOf(c.record), c.kindOf) << c.what;
  EXPECT_EQ(circle->classInfo(), TestCircle::staticClassInfo());
  EXPECT_TRUE(circle->inherits(KxString(L"TestShape")));
  EXPECT_TRUE(circle->inherits(KxString(L"KxRttiObject")));
  EXPECT_FALSE(circle->inherits(KxString(L"TestSquare")));
  EXPECT_FALSE(circle->inherits(KxString(L"NoSuchClass")));
}

TEST(KxRttiObject, CheckedCastsGiveNullForOtherClasses) {
  std::unique_ptr<KxRttiObject> circle(new TestCircle);
  EXPECT_EQ(kxCast<TestCircle>(circle.get()), circle.get());
  EXPECT_EQ(kxCast<TestShape>(circle.get()), circle.get());
  EXPECT_EQ(kxCast<TestSquare>(circle.get()), nullptr);
  EXPECT_EQ(kxCast<TestCircle>(static_cast<KxRttiObject*>(nullptr)), nullptr);
  const KxRttiObject* constant = circle.get();
  EXPECT_EQ(kxCast<TestShape>(constant), circle.get());
  EXPECT_DOUBLE_EQ(kxCast<TestCircle>(circle.get())->radius, 1.5);
}

TEST(KxRttiObject, InstancesLiveInThePoolByTheirRecordedSize) {
  auto* circle = new TestCircle;
  ASSERT_NE(circle, nullptr);
  EXPECT_TRUE(mp_owns(circle));
  EXPECT_GE(mp_size(circle), static_cast<size_t>(TestCircle::staticClassInfo()->instanceSize()));
  EXPECT_EQ(TestCircle::staticClassInfo()->instanceSize(), static_cast<int>(sizeof(TestCircle)));
  void* block = circle;
  delete circle;
  // The deleting destructor gave the block back: the pool hands it out next.
  void* again = mp_alloc(sizeof(TestCircle));
  EXPECT_EQ(again, block);
  mp_free(again);
}

TEST(KxRttiObject, CreatesByRecordUnlessAbstract) {
  std::unique_ptr<KxRttiObject> square(TestSquare::staticClassInfo()->create());
  ASSERT_NE(square, nullptr);
  EXPECT_EQ(square->classInfo(), TestSquare::staticClassInfo());
  EXPECT_EQ(kxCast<TestSquare>(square.get())->corners, 4);
  EXPECT_TRUE(mp_owns(square.get()));
  EXPECT_EQ(TestAbstract::staticClassInfo()->factory(), nullptr);
  EXPECT_EQ(TestAbstract::staticClassInfo()->create(), nullptr);
  const KxClassInfo* byName = KxClassRegistry::instance().find(KxString(L"TestCircle"));
  ASSERT_NE(byName, nullptr);
  std::unique_ptr<KxRttiObject> circle(byName->create());
  EXPECT_NE(kxCast<TestCircle>(circle.get()), nullptr);
}
