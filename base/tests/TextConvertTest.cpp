#include "base/TextConvert.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(TextConvert, WideToMultiByte) {
  EXPECT_EQ(wideToMultiByte(nullptr, -1, CP_UTF8), "");
  EXPECT_EQ(wideToMultiByte(L"abc", -2, CP_UTF8), "");
  EXPECT_EQ(wideToMultiByte(L"abc", 0, CP_UTF8), "");
  EXPECT_EQ(wideToMultiByte(L"abc", -1, CP_UTF8), "abc");  // terminator not included
  EXPECT_EQ(wideToMultiByte(L"abcdef", 2, CP_UTF8), "ab");
  EXPECT_EQ(wideToMultiByte(L"\x4E2D", -1, CP_UTF8), "\xE4\xB8\xAD");
  EXPECT_EQ(wideToMultiByte(L"C:\\APPS", -1, CP_ACP), "C:\\APPS");
}

TEST(TextConvert, MultiByteToWide) {
  EXPECT_EQ(multiByteToWide(nullptr, -1, CP_UTF8), L"");
  EXPECT_EQ(multiByteToWide("abc", -5, CP_UTF8), L"");
  EXPECT_EQ(multiByteToWide("abc", -1, CP_UTF8), L"abc");
  EXPECT_EQ(multiByteToWide("abc", 1, CP_UTF8), L"a");
  EXPECT_EQ(multiByteToWide("\xE4\xB8\xAD", -1, CP_UTF8), L"\x4E2D");
}

TEST(TextConvert, TrimBlanksRemovesOnlySpaces) {
  EXPECT_EQ(trimBlanks(L"  a b  "), L"a b");
  EXPECT_EQ(trimBlanks(L"   "), L"");
  EXPECT_EQ(trimBlanks(L""), L"");
  EXPECT_EQ(trimBlanks(L"\ta\t"), L"\ta\t");
}
