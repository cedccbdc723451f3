#include "base/DebugStream.h"

#include <gtest/gtest.h>

TEST(DebugStream, CollectsNarrowWideAndNumbers) {
  DebugStream stream(0);
  stream << "anchor " << L"loop " << 3 << L' ' << 2.5 << ' ' << true;
  EXPECT_EQ(stream.text(), L"anchor loop 3 2.5 true");
  EXPECT_EQ(stream.kind(), 0);
}
