#include "base/WideFormat.h"

#include <gtest/gtest.h>

TEST(WideFormat, PercentSTakesAWideStringAsOnWindows) {
  EXPECT_EQ(formatWide(L"[%s] %d", L"wide \x4E2D\x6587", 42), L"[wide \x4E2D\x6587] 42");
  EXPECT_EQ(formatWide(L"%S", "narrow"), L"narrow");
  EXPECT_EQ(formatWide(L"%4d-%.2d-%.2d", 2017, 5, 3), L"2017-05-03");
}

TEST(WideFormat, IntoABufferCutsAndAlwaysTerminates) {
  wchar_t buffer[8];
  EXPECT_EQ(formatWideInto(buffer, 8, L"%s", L"0123456789"), 7u);
  EXPECT_STREQ(buffer, L"0123456");
  EXPECT_EQ(formatWideInto(buffer, 8, L"%s", L"0123456"), 7u);
  EXPECT_STREQ(buffer, L"0123456");
  EXPECT_EQ(formatWideInto(buffer, 8, L"ab"), 2u);
  EXPECT_STREQ(buffer, L"ab");
}

TEST(WideFormat, IntoAStringHasNoLengthLimit) {
  std::wstring long_text(5000, L'x');
  EXPECT_EQ(formatWide(L"<%s>", long_text.c_str()), L"<" + long_text + L">");
}
