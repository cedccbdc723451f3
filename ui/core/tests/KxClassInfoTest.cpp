#include "TestClasses.h"

#include "ui/core/KxClassCodes.h"
#include "ui/core/KxClassRegistry.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

TEST(KxClassCodes, FourLettersMostSignificantFirst) {
  EXPECT_EQ(kxCode("ITEM"), 0x4954454Du);
  EXPECT_EQ(KxClassCodes::KxGraphicsItem, 0x4954454Du);
  EXPECT_EQ(KxClassCodes::KxRttiObject, kxCode("KROT"));
}

TEST(KxClassCodes, TableHoldsEachCodeOnceAndBasesFirst) {
  std::map<uint32_t, std::wstring> owners;
  std::set<std::wstring> seen;
  for (int i = 0; i < kxClassTableSize; ++i) {
    const KxClassTableRow& row = kxClassTable[i];
    if (row.base) {
      EXPECT_TRUE(seen.count(row.base)) << row.name << " comes before its base";
    } else {
      EXPECT_EQ(std::wstring(row.name), L"KxRttiObject");
    }
    seen.insert(row.name);
    auto [it, fresh] = owners.emplace(row.code, row.name);
    // The installer's two windows share their code on purpose.
    if (!fresh) {
      EXPECT_EQ(it->second + L"/" + row.name, L"ZeloCheckWindow/ZeloMainWindow");
    }
  }
  EXPECT_EQ(kxClassTableSize, 64);
}

TEST(KxClassInfo, RecordsCarryNameBaseCodeAndSize) {
  const KxClassInfo* circle = TestCircle::staticClassInfo();
  EXPECT_TRUE(circle->name() == L"TestCircle");
  EXPECT_EQ(circle->base(), TestShape::staticClassInfo());
  EXPECT_EQ(circle->code(), kxCode("TCRC"));
  EXPECT_EQ(circle->instanceSize(), static_cast<int>(sizeof(TestCircle)));
  EXPECT_EQ(TestCircle::staticClassInfo(), circle) << "one record per class";
  const KxClassInfo* root = KxRttiObject::staticClassInfo();
  EXPECT_EQ(root->base(), nullptr);
  EXPECT_EQ(root->code(), KxClassCodes::KxRttiObject);
  KxClassRegistry& registry = KxClassRegistry::instance();
  EXPECT_EQ(registry.find(KxString(L"TestCircle")), circle);
  EXPECT_EQ(registry.findCode(kxCode("TCRC")), circle);
  EXPECT_EQ(registry.find(KxString(L"KxRttiObject")), root);
  EXPECT_EQ(registry.find(KxString(L"NoSuchClass")), nullptr);
}

TEST(KxClassInfo, AutomaticCodesFollowTheOrderOfFirstUse) {
  // Registered statically one after the other.
  EXPECT_EQ(TestAutoSecond::staticClassInfo()->code(), TestAutoFirst::staticClassInfo()->code() + 1);
  EXPECT_EQ(KxClassRegistry::instance().findCode(TestAutoFirst::staticClassInfo()->code()),
            TestAutoFirst::staticClassInfo());
  // Built here, in this order.
  auto* later = new KxClassInfo(L"TestAutoLater", nullptr, 0, nullptr, 4);
  auto* latest = new KxClassInfo(L"TestAutoLatest", nullptr, 0, nullptr, 4);
  EXPECT_EQ(latest->code(), later->code() + 1);
  EXPECT_GT(later->code(), TestAutoSecond::staticClassInfo()->code());
  EXPECT_EQ(KxClassRegistry::instance().find(KxString(L"TestAutoLatest")), latest);
}

TEST(KxClassInfo, FirstRegistrationOfANameOrCodeWins) {
  KxClassRegistry& registry = KxClassRegistry::instance();
  auto* first = new KxClassInfo(L"TestDuplicate", nullptr, kxCode("DUP1"), nullptr, 4);
  auto* sameName = new KxClassInfo(L"TestDuplicate", nullptr, kxCode("DUP2"), nullptr, 4);
  EXPECT_EQ(registry.find(KxString(L"TestDuplicate")), first);
  EXPECT_EQ(registry.findCode(kxCode("DUP2")), sameName);
  // A taken code, as the installer's two windows have: registered under neither key.
  auto* sameCode = new KxClassInfo(L"TestDuplicateCode", nullptr, kxCode("DUP1"), nullptr, 4);
  EXPECT_EQ(registry.findCode(kxCode("DUP1")), first);
  EXPECT_FALSE(registry.contains(KxString(L"TestDuplicateCode")));
  EXPECT_FALSE(registry.insert(sameCode, sameCode->name(), sameCode->code()));
  // A name already known is not built again.
  static bool accessorCalled = false;
  EXPECT_TRUE(kxRegisterClass(L"TestDuplicate", []() -> const KxClassInfo* {
    accessorCalled = true;
    return nullptr;
  }));
  EXPECT_FALSE(accessorCalled);
}
