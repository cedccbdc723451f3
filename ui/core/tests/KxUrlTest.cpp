#include "ui/core/KxAssignLib.h"
#include "ui/core/KxUrl.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring w(const KxString& s) { return std::wstring(s.constData(), s.length()); }

struct UrlCase {
  const wchar_t* text;
  bool valid;
  const wchar_t* scheme;
  const wchar_t* user;
  const wchar_t* host;
  const wchar_t* port;
  const wchar_t* path;
  const wchar_t* fragment;
  const wchar_t* query;
  const wchar_t* written;
};

}  // namespace

TEST(KxUrl, ParsesItsFieldsAndWritesThemBack) {
  const UrlCase cases[] = {
      {L"dll:///theme/gui/close_normal.png", true, L"dll", L"", L"", L"",
       L"theme/gui/close_normal.png", L"", L"", L"dll:///theme/gui/close_normal.png"},
      {L"C:\\Program Files\\a.png", true, L"file", L"", L"", L"", L"C:/Program Files/a.png",
       L"", L"", L"file:///C:/Program Files/a.png"},
      {L"relative/name.png", true, L"file", L"", L"", L"", L"relative/name.png", L"", L"",
       L"file:///relative/name.png"},
      {L"http://me@example.org:8080/a/b", true, L"http", L"me", L"example.org", L"8080", L"a/b",
       L"", L"", L"http://me@example.org:8080/a/b"},
      // Without an "@" the colon is part of the host.
      {L"http://example.org:8080/a", true, L"http", L"", L"example.org:8080", L"", L"a", L"",
       L"", L"http://example.org:8080/a"},
      {L"http://host/p#frag?q=1", true, L"http", L"", L"host", L"", L"p", L"frag", L"q=1",
       L"http://host/p#frag?q=1"},
      {L"http://host/p?q=1#frag", true, L"http", L"", L"host", L"", L"p", L"", L"q=1#frag",
       L"http://host/p?q=1#frag"},
      {L"http://host", true, L"http", L"", L"host", L"", L"", L"", L"", L"http://host"},
      {L"mailto:someone", false, L"mailto", L"", L"", L"", L"", L"", L"", L"mailto://"},
  };
  for (const UrlCase& c : cases) {
    KxUrl url(c.text);
    EXPECT_EQ(url.isValid(), c.valid) << c.text;
    EXPECT_EQ(w(url.scheme()), c.scheme) << c.text;
    EXPECT_EQ(w(url.user()), c.user) << c.text;
    EXPECT_EQ(w(url.host()), c.host) << c.text;
    EXPECT_EQ(w(url.port()), c.port) << c.text;
    EXPECT_EQ(w(url.path()), c.path) << c.text;
    EXPECT_EQ(w(url.fragment()), c.fragment) << c.text;
    EXPECT_EQ(w(url.query()), c.query) << c.text;
    EXPECT_EQ(w(url.toString()), c.written) << c.text;
  }
}

TEST(KxUrl, NarrowTextParsesLikeWide) {
  KxUrl url("kxgui:close_normal.png");
  EXPECT_EQ(w(url.toString()), L"dll:///theme/gui/close_normal.png");
}

class KxAssignLibTest : public ::testing::Test {
 protected:
  void SetUp() override { KxAssignLib::releaseAliases(); }
  void TearDown() override { KxAssignLib::releaseAliases(); }
};

TEST_F(KxAssignLibTest, ExpandsKnownNamesOnly) {
  KxAssignLib* lib = KxAssignLib::instance();
  lib->assign(KxString(L"setup"), KxString(L"dll:///res"));
  lib->assign(KxString(L"colon"), KxString(L"other:"));
  lib->assign(KxString(L"colonslash"), KxString(L"other:/"));
  lib->assign(KxString(L"empty"), KxString(L""));
  lib->assign(KxString(L"chain"), KxString(L"setup:sub"));
  lib->assign(KxString(L"c"), KxString(L"never"));
  const struct {
    const wchar_t* text;
    const wchar_t* expanded;
  } cases[] = {
      {L"kxgui:btn_4word_normal.png", L"dll:///theme/gui/btn_4word_normal.png"},
      {L"setup:main.png", L"dll:///res/main.png"},
      {L"colon:x.png", L"other:x.png"},
      {L"colonslash:x.png", L"other:/x.png"},
      {L"empty:x.png", L"x.png"},
      {L"chain:x.png", L"dll:///res/sub/x.png"},
      {L"c:\\dir\\x.png", L"c:/dir/x.png"},
      {L"unknown:x.png", L"unknown:x.png"},
      {L"setup:dir\\", L"dll:///res/dir"},
      {L"no colon at all//", L"no colon at all"},
  };
  for (const auto& c : cases) EXPECT_EQ(w(lib->expand(KxString(c.text))), c.expanded) << c.text;
}

TEST_F(KxAssignLibTest, CyclicAliasesEndAfterBoundedPasses) {
  KxAssignLib* lib = KxAssignLib::instance();
  lib->assign(KxString(L"ping"), KxString(L"pong:"));
  lib->assign(KxString(L"pong"), KxString(L"ping:"));
  lib->assign(KxString(L"self"), KxString(L"self:a"));
  const KxString pingPong = lib->expand(KxString(L"ping:x"));
  EXPECT_TRUE(w(pingPong) == L"ping:x" || w(pingPong) == L"pong:x") << w(pingPong);
  const KxString self = lib->expand(KxString(L"self:x"));
  EXPECT_EQ(self.length(), 6 + 2 * KxAssignLib::kMaxPasses) << w(self);
}

TEST_F(KxAssignLibTest, DefaultsPointAtTheProgramFolder) {
  KxAssignLib* lib = KxAssignLib::instance();
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path);
  dir = dir.substr(0, dir.rfind(L'\\'));
  for (wchar_t& c : dir)
    if (c == L'\\') c = L'/';
  EXPECT_EQ(w(lib->value(KxString(L"bin"))), L"file:///" + dir);
  EXPECT_EQ(w(lib->value(KxString(L"root"))), L"file:///" + dir);
  // The test programs live in "bin", which is no build-output folder name.
  EXPECT_EQ(w(lib->value(KxString(L"home"))), L"file:///" + dir);
  EXPECT_EQ(w(lib->value(KxString(L"kxgui"))), L"dll:///theme/gui");
  KxUrl url(L"bin:x.png");
  EXPECT_EQ(w(url.path()), dir + L"/x.png");
}

TEST_F(KxAssignLibTest, ReleasingStartsAgainFromTheDefaults) {
  KxAssignLib::instance()->assign(KxString(L"setup"), KxString(L"dll:///res"));
  KxAssignLib::releaseAliases();
  KxAssignLib::fillDefaultAliases();
  EXPECT_FALSE(KxAssignLib::instance()->contains(KxString(L"setup")));
  EXPECT_TRUE(KxAssignLib::instance()->contains(KxString(L"kxgui")));
}
