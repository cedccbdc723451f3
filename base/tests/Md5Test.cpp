#include "base/Md5.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(Md5, MatchesTheTestSuiteOfRfc1321) {
  const struct {
    const char* text;
    const wchar_t* digest;
  } cases[] = {
      {"", L"d41d8cd98f00b204e9800998ecf8427e"},
      {"a", L"0cc175b9c0f1b6a831c399e269772661"},
      {"abc", L"900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", L"f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", L"c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       L"d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       L"57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& c : cases) EXPECT_EQ(md5Hex(c.text, std::strlen(c.text)), c.digest) << c.text;
}

TEST(Md5, PaddingBoundariesAroundOneBlock) {
  // 55, 56 and 64 bytes put the length into the same block, the next block, and a block of its own.
  EXPECT_EQ(md5Hex(std::string(55, 'a').data(), 55), L"ef1772b6dff9a122358552954ad0df65");
  EXPECT_EQ(md5Hex(std::string(56, 'a').data(), 56), L"3b0c8ac703f828b04c6c197006d17218");
  EXPECT_EQ(md5Hex(std::string(64, 'a').data(), 64), L"014842d480b571495a4a0363793f7367");
}
