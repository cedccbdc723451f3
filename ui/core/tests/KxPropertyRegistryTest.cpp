#include "TestClasses.h"

#include "ui/core/KxDynamicProperties.h"
#include "ui/core/KxPropertyRegistry.h"

#include <gtest/gtest.h>

namespace {

KxVariant cornersOf(const KxRttiObject* object) {
  return KxVariant(kxCast<TestShape>(object)->corners);
}

void setCorners(KxRttiObject* object, const KxVariant& value) {
  kxCast<TestShape>(object)->corners = value.toInt();
}

KxVariant nothing(const KxRttiObject*) { return KxVariant(); }
void ignore(KxRttiObject*, const KxVariant&) {}

}  // namespace

TEST(KxPropertyRegistry, AccessorsByNameFirstRegistrationWins) {
  KxPropertyRegistry& registry = KxPropertyRegistry::instance();
  EXPECT_TRUE(registry.registerProperty("testCorners", cornersOf, setCorners));
  EXPECT_FALSE(registry.registerProperty("testCorners", nothing, ignore));
  EXPECT_FALSE(registry.registerProperty("testIncomplete", nothing, nullptr));
  EXPECT_EQ(registry.find("testIncomplete"), nullptr);
  EXPECT_EQ(registry.find("testUnknown"), nullptr);
  const KxPropertyAccessor* accessor = registry.find("testCorners");
  ASSERT_NE(accessor, nullptr);
  TestSquare square;
  accessor->setter(&square, KxVariant(6));
  EXPECT_EQ(square.corners, 6);
  EXPECT_EQ(accessor->getter(&square), KxVariant(6));
}

TEST(KxDynamicProperties, StoresValuesByName) {
  KxDynamicProperties properties;
  EXPECT_FALSE(properties.contains("glow"));
  EXPECT_TRUE(properties.value("glow").isEmpty());
  properties.set("glow", KxVariant(0.5));
  properties.set("glow", KxVariant(0.75));
  EXPECT_TRUE(properties.contains("glow"));
  EXPECT_EQ(properties.value("glow"), KxVariant(0.75));
}
