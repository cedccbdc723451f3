#include "base/CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct TokenCase {
  const wchar_t* line;
  std::vector<std::wstring> tokens;
};

}  // namespace

TEST(CommandLine, TokenizesLikeBothProgramsExpect) {
  const TokenCase cases[] = {
      {L"", {}},
      {L"setup.exe -silence", {L"setup.exe", L"-silence"}},
      {L"setup.exe  \t-silence\nC:\\Apps", {L"setup.exe", L"-silence", L"C:\\Apps"}},
      {L"setup.exe -silence=C:\\Apps\\Test", {L"setup.exe", L"-silence", L"C:\\Apps\\Test"}},
      {L"\"C:\\Program Files\\s.exe\" -silence \"D:\\My Apps\"",
       {L"C:\\Program Files\\s.exe", L"-silence", L"D:\\My Apps"}},
      {L"a \"\" b", {L"a", L"", L"b"}},
      {L"a ==  = b", {L"a", L"b"}},
      {L"a \"unclosed rest", {L"a", L"unclosed", L"rest"}},
      {L"a \"x y\"z", {L"a", L"x y", L"z"}},
  };
  for (const TokenCase& c : cases) EXPECT_EQ(tokenizeCommandLine(c.line), c.tokens) << c.line;
}

TEST(CommandLine, OptionIsExactAndTakesTheNextToken) {
  std::wstring value = L"unchanged";
  auto tokens = tokenizeCommandLine(L"x.exe -silence D:\\A");
  EXPECT_TRUE(findOption(tokens, L"-silence", &value));
  EXPECT_EQ(value, L"D:\\A");
  EXPECT_TRUE(findOption(tokenizeCommandLine(L"x.exe -silence"), L"-silence", &value));
  EXPECT_EQ(value, L"");
  EXPECT_FALSE(findOption(tokenizeCommandLine(L"x.exe -SILENCE"), L"-silence", &value));
  EXPECT_FALSE(findOption(tokenizeCommandLine(L"x.exe -silenced"), L"-silence", &value));
}

TEST(CommandLine, ContainsNoCaseFindsTextAnywhere) {
  EXPECT_TRUE(containsNoCase(L"x.exe /DisableMemPool -silence", L"/disablemempool"));
  EXPECT_TRUE(containsNoCase(L"x.exe-/disablemempoolX", L"/disablemempool"));
  EXPECT_FALSE(containsNoCase(L"x.exe /disablemem", L"/disablemempool"));
}
