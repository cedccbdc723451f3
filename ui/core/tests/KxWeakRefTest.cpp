#include "TestClasses.h"

#include "ui/core/KxWeakRef.h"
#include "ui/core/KxWeakRefTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(KxWeakRef, ReadsNullOnceTheObjectIsDestroyed) {
  auto* circle = new TestCircle;
  KxWeakRef ref(circle);
  KxWeakRef copy = ref;
  KxWeakRef assigned;
  assigned = copy;
  EXPECT_EQ(ref.get(), circle);
  EXPECT_EQ(assigned.as<TestCircle>(), circle);
  EXPECT_EQ(assigned.as<TestSquare>(), nullptr);
  delete circle;
  EXPECT_TRUE(ref.isNull());
  EXPECT_TRUE(copy.isNull());
  EXPECT_EQ(assigned.get(), nullptr);
  // Letting go after the object's end touches nothing twice.
  ref.reset();
  ref.reset();
  copy = KxWeakRef();
  EXPECT_TRUE(KxWeakRef(nullptr).isNull());
  EXPECT_TRUE(KxWeakRef().isNull());
}

TEST(KxWeakRef, ReleasingTheLastReferenceLeavesTheObjectAlive) {
  std::unique_ptr<TestSquare> square(new TestSquare);
  KxWeakRef first(square.get());
  first.reset();
  KxWeakRef second(square.get());
  EXPECT_EQ(second.get(), square.get());
  KxWeakRef moved(std::move(second));
  EXPECT_EQ(moved.get(), square.get());
  square.reset();
  EXPECT_TRUE(moved.isNull());
}

TEST(KxWeakRef, DetachedBlocksWithoutHoldersAreReusedFirst) {
  KxWeakRefTable& table = KxWeakRefTable::instance();
  std::unique_ptr<TestSquare> a(new TestSquare), b(new TestSquare);
  KxWeakRef(a.get()).reset();
  int detached = table.detachedCount();
  KxWeakRef toB(b.get());
  EXPECT_EQ(table.detachedCount(), detached - 1) << "the count-0 block was taken again";
}

TEST(KxWeakRef, SweepKeepsTheDetachedListShort) {
  KxWeakRefTable& table = KxWeakRefTable::instance();
  const int threshold = table.sweepThreshold();
  const int n = threshold + 1;
  std::vector<std::unique_ptr<TestShape>> objects;
  std::vector<KxWeakRef> refs;
  for (int i = 0; i < n; ++i) {
    objects.emplace_back(new TestShape);
    refs.emplace_back(objects.back().get());
  }
  int largest = 0;
  for (KxWeakRef& ref : refs) {
    ref.reset();
    largest = std::max(largest, table.detachedCount());
  }
  EXPECT_LE(largest, threshold) << "a sweep ran once the list passed the threshold";
  EXPECT_LT(table.detachedCount(), n);
  EXPECT_EQ(table.sweepThreshold(), 1000);
  for (auto& object : objects) EXPECT_TRUE(KxWeakRef(object.get()).get() == object.get());
}

TEST(KxWeakRef, SweepThatFreesNothingDoublesTheThreshold) {
  KxWeakRefTable& table = KxWeakRefTable::instance();
  const int threshold = table.sweepThreshold();
  std::vector<std::unique_ptr<TestShape>> objects;
  std::vector<KxWeakRef> refs;
  for (int i = 0; i < threshold + 1; ++i) {
    objects.emplace_back(new TestShape);
    refs.emplace_back(objects.back().get());
  }
  // Every detached block still has a holder, so the sweep cannot free one.
  objects.clear();
  EXPECT_EQ(table.sweepThreshold(), 2 * threshold);
  for (const KxWeakRef& ref : refs) EXPECT_TRUE(ref.isNull());
  refs.clear();
  // The blocks, now without holders, serve new references before anything is allocated.
  int detached = table.detachedCount();
  std::unique_ptr<TestShape> fresh(new TestShape);
  KxWeakRef ref(fresh.get());
  EXPECT_EQ(table.detachedCount(), detached - 1);
}
