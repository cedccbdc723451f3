#include "base/KxByteArray.h"

#include "base/MemPool.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string bytes(const KxByteArray& a) { return std::string(a.constData(), a.size()); }

}  // namespace

TEST(KxByteArray, NullAndEmptyAreStaticAndNeverWritten) {
  KxByteArray a, b;
  EXPECT_EQ(a.constData(), b.constData());
  EXPECT_TRUE(a.isNull());
  EXPECT_FALSE(mp_owns(a.constData()));
  KxByteArray empty(""), emptyToo("xyz", 0);
  EXPECT_EQ(empty.constData(), emptyToo.constData());
  EXPECT_FALSE(empty.isNull());
  EXPECT_TRUE(KxByteArray(nullptr).isNull());
  empty.append('x');
  EXPECT_EQ(bytes(empty), "x");
  EXPECT_EQ(emptyToo.constData()[0], '\0');
  a.resize(3);
  EXPECT_EQ(bytes(a), std::string(3, '\0'));
  EXPECT_EQ(b.constData()[0], '\0');
  EXPECT_TRUE(b.isNull());
}

TEST(KxByteArray, CopiesShareUntilOneChanges) {
  KxByteArray original(std::string(300, 'r').c_str());
  KxByteArray copy = original;
  EXPECT_EQ(copy.constData(), original.constData());
  copy.data()[0] = 'w';
  EXPECT_NE(copy.constData(), original.constData());
  EXPECT_EQ(bytes(original), std::string(300, 'r'));
  KxByteArray shared = original;
  shared.resize(10);
  EXPECT_EQ(original.size(), 300);
  EXPECT_EQ(bytes(shared), std::string(10, 'r'));
  KxByteArray self("ab");
  self.append(self);
  EXPECT_EQ(bytes(self), "abab");
  EXPECT_TRUE(KxByteArray("a\0b", 3) == KxByteArray("a\0b", 3));
  EXPECT_FALSE(KxByteArray("a\0b", 3) == KxByteArray("a\0c", 3));
}

TEST(KxByteArray, ShrinksItsBlockOnlyBelowHalfTheCapacity) {
  struct ResizeCase {
    int newSize;
    bool keepsCapacity;
  };
  const ResizeCase cases[] = {{60, true}, {50, true}, {49, false}, {10, false}, {100, true}};
  for (const ResizeCase& c : cases) {
    KxByteArray a(std::string(100, 'b').c_str());
    ASSERT_EQ(a.capacity(), 100);
    a.resize(c.newSize);
    EXPECT_EQ(a.capacity() == 100, c.keepsCapacity) << "resize to " << c.newSize;
    EXPECT_GE(a.capacity(), c.newSize);
    EXPECT_EQ(bytes(a), std::string(c.newSize, 'b')) << c.newSize;
    EXPECT_EQ(a.constData()[c.newSize], '\0');
  }
}

TEST(KxByteArray, GrowsByAppendingWithoutLosingBytes) {
  KxByteArray a;
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    char c = static_cast<char>('a' + i % 26);
    a.append(c);
    expected += c;
  }
  EXPECT_EQ(bytes(a), expected);
  EXPECT_GE(a.capacity(), a.size());
  a.resize(0);
  EXPECT_TRUE(a.isEmpty());
  EXPECT_FALSE(a.isNull());
}
