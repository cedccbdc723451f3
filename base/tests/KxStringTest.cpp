#include "base/KxString.h"

#include "base/MemPool.h"

#include <gtest/gtest.h>

#include <string>

namespace {

KxString repeated(wchar_t c, int n) { return KxString(std::wstring(n, c).c_str()); }

std::wstring str(const KxString& s) { return std::wstring(s.constData(), s.length()); }

}  // namespace

TEST(KxString, DefaultStringsShareTheStaticNullBlock) {
  const wchar_t* nullData;
  {
    KxString a, b;
    EXPECT_EQ(a.constData(), b.constData());
    EXPECT_TRUE(a.isNull());
    EXPECT_FALSE(mp_owns(a.constData()));
    nullData = a.constData();
  }
  for (int i = 0; i < 1000; ++i) {
    KxString c;
    KxString d = c;
    d.clear();
  }
  KxString after;
  EXPECT_EQ(after.constData(), nullData);
  EXPECT_EQ(after.constData()[0], L'\0');
}

TEST(KxString, TruncatedStringsShareTheStaticEmptyBlock) {
  KxString a(L"abc"), b(L"xyz");
  a.resize(0);
  b.resize(-3);
  EXPECT_EQ(a.constData(), b.constData());
  EXPECT_FALSE(a.isNull());
  EXPECT_TRUE(a.isEmpty());
  EXPECT_FALSE(mp_owns(a.constData()));
  a.append(L'x');  // a change never writes the static block
  EXPECT_EQ(str(a), L"x");
  EXPECT_EQ(b.constData()[0], L'\0');
  EXPECT_TRUE(b.isEmpty());
}

TEST(KxString, CopyOnWriteNeverWritesASharedBlock) {
  KxString original = repeated(L'a', 1000);
  KxString copy = original;
  EXPECT_EQ(copy.constData(), original.constData()) << "a copy shares the block";

  struct Change {
    const char* name;
    void (*apply)(KxString&);
  };
  const Change changes[] = {
      {"append char", [](KxString& s) { s.append(L'b'); }},
      {"append string", [](KxString& s) { s.append(KxString(L"bc")); }},
      {"append text", [](KxString& s) { s += L"bc"; }},
      {"resize shorter", [](KxString& s) { s.resize(10); }},
      {"resize longer", [](KxString& s) { s.resize(2000); }},
      {"data", [](KxString& s) { s.data()[0] = L'z'; }},
      {"replace", [](KxString& s) { s.replace(KxString(L"a"), KxString(L"b")); }},
  };
  for (const Change& change : changes) {
    KxString shared = original;
    change.apply(shared);
    EXPECT_NE(shared.constData(), original.constData()) << change.name;
    EXPECT_EQ(str(original), std::wstring(1000, L'a')) << change.name;
  }
}

TEST(KxString, AppendingOneCharacterReallocatesOnlyWhenFull) {
  KxString s(L"", 0);
  int reallocations = 0;
  int capacity = s.capacity();
  for (int i = 0; i < 3000; ++i) {
    s.append(static_cast<wchar_t>(L'a' + i % 26));
    if (s.capacity() != capacity) {
      EXPECT_EQ(s.length(), capacity + 1) << "grew before it was full";
      capacity = s.capacity();
      ++reallocations;
    }
    ASSERT_GE(s.capacity(), s.length());
    ASSERT_EQ(s.constData()[s.length()], L'\0');
  }
  EXPECT_LT(reallocations, 90);
  EXPECT_EQ(s.at(2999), static_cast<wchar_t>(L'a' + 2999 % 26));
}

TEST(KxString, AppendSharesWithTheNullStringAndIgnoresIt) {
  KxString text(L"shared");
  KxString s;
  s.append(text);
  EXPECT_EQ(s.constData(), text.constData());
  const wchar_t* before = text.constData();
  text.append(KxString());
  EXPECT_EQ(text.constData(), before);
  KxString self(L"ab");
  self.append(self);
  self.append(self);
  EXPECT_EQ(str(self), L"abababab");
  EXPECT_EQ(str(KxString(L"x") + KxString(L"y")), L"xy");
}

namespace {

struct SliceCase {
  const char* what;
  KxString (*slice)(const KxString&);
  const wchar_t* expected;  // null: the null string
  bool sharesBlock;
};

}  // namespace

TEST(KxString, LeftRightAndMidStayInBounds) {
  const SliceCase cases[] = {
      {"left 2", [](const KxString& s) { return s.left(2); }, L"he", false},
      {"left 0", [](const KxString& s) { return s.left(0); }, L"", false},
      {"left length", [](const KxString& s) { return s.left(5); }, L"hello", true},
      {"left past length", [](const KxString& s) { return s.left(50); }, L"hello", true},
      {"left negative", [](const KxString& s) { return s.left(-1); }, L"hello", true},
      {"right 3", [](const KxString& s) { return s.right(3); }, L"llo", false},
      {"right past length", [](const KxString& s) { return s.right(9); }, L"hello", true},
      {"right negative", [](const KxString& s) { return s.right(-2); }, L"hello", true},
      {"mid 1 3", [](const KxString& s) { return s.mid(1, 3); }, L"ell", false},
      {"mid to end", [](const KxString& s) { return s.mid(2); }, L"llo", false},
      {"mid n past end", [](const KxString& s) { return s.mid(3, 100); }, L"lo", false},
      {"mid whole", [](const KxString& s) { return s.mid(0); }, L"hello", true},
      {"mid negative position", [](const KxString& s) { return s.mid(-2, 4); }, L"he", false},
      {"mid negative position to end", [](const KxString& s) { return s.mid(-2); }, L"hello", true},
      {"mid negative position swallows n", [](const KxString& s) { return s.mid(-5, 3); }, L"",
       false},
      {"mid at end", [](const KxString& s) { return s.mid(5); }, nullptr, false},
      {"mid past end", [](const KxString& s) { return s.mid(99, 2); }, nullptr, false},
      {"mid of null", [](const KxString&) { return KxString().mid(0); }, nullptr, false},
  };
  KxString hello(L"hello");
  for (const SliceCase& c : cases) {
    KxString result = c.slice(hello);
    if (c.expected) {
      EXPECT_EQ(str(result), c.expected) << c.what;
    }
    EXPECT_EQ(result.isNull(), c.expected == nullptr) << c.what;
    EXPECT_EQ(result.constData() == hello.constData(), c.sharesBlock) << c.what;
  }
  EXPECT_EQ(str(hello), L"hello");
}

TEST(KxString, SearchesFindAndRefuseLikeTheyShould) {
  KxString s(L"abcabc");
  EXPECT_EQ(s.indexOf(L'c'), 2);
  EXPECT_EQ(s.indexOf(L'c', 3), 5);
  EXPECT_EQ(s.indexOf(L'z'), -1);
  EXPECT_EQ(s.indexOf(KxString(L"bc")), 1);
  EXPECT_EQ(s.indexOf(KxString(L"bc"), 2), 4);
  EXPECT_EQ(s.indexOf(KxString(L"bc"), 6), -1) << "position at the end";
  EXPECT_EQ(s.indexOf(KxString(L"cab"), 3), -1);
  EXPECT_EQ(KxString().indexOf(KxString(L"a")), -1);
  EXPECT_EQ(KxString(L"", 0).indexOf(KxString()), -1) << "the string is empty";
  EXPECT_EQ(s.lastIndexOf(L'a'), 3);
  EXPECT_EQ(s.lastIndexOf(L'a', 2), 0);
  EXPECT_EQ(s.lastIndexOf(L'c', -2), 2) << "negative position counts from the end";
  EXPECT_EQ(s.lastIndexOf(L'c', 100), 5);
  EXPECT_EQ(s.lastIndexOf(L'z'), -1);
}

TEST(KxString, ComparesByCodeUnitsThenLength) {
  KxString abc(L"abc");
  EXPECT_TRUE(abc == KxString(L"abc"));
  EXPECT_TRUE(abc == L"abc");
  EXPECT_FALSE(abc == L"ab");
  EXPECT_FALSE(abc == L"abcd");
  EXPECT_TRUE(KxString() == KxString(L"", 0));
  EXPECT_TRUE(KxString(L"ab") < abc);
  EXPECT_TRUE(abc < KxString(L"abd"));
  EXPECT_TRUE(KxString(L"B") < KxString(L"a")) << "code units, not letters";
  EXPECT_FALSE(abc < abc);
  EXPECT_EQ(abc.compare(abc), 0);
  // Embedded zeros count as characters.
  EXPECT_FALSE(KxString(L"a\0b", 3) == KxString(L"a\0c", 3));
  // A zero inside the string ends the compared text there: nothing is read past its end.
  EXPECT_FALSE(KxString(L"\0", 1) == L"");
  EXPECT_FALSE(KxString(L"a\0", 2) == L"a");
}

TEST(KxString, NumbersFitEveryRadix) {
  struct NumberCase {
    int value;
    int radix;
    const wchar_t* expected;
  };
  const NumberCase cases[] = {
      {0, 10, L"0"},
      {-123, 10, L"-123"},
      {-2147483647 - 1, 10, L"-2147483648"},
      {255, 16, L"ff"},
      {-1, 16, L"ffffffff"},
      {-1, 2, L"11111111111111111111111111111111"},
      {-2147483647 - 1, 2, L"10000000000000000000000000000000"},
      {35, 36, L"z"},
      {42, 1, L"42"},
  };
  for (const NumberCase& c : cases)
    EXPECT_EQ(str(KxString::number(c.value, c.radix)), c.expected) << c.value << " radix " << c.radix;
}

TEST(KxString, ConvertsNarrowTextAndBuildsFromCharacters) {
  EXPECT_EQ(str(KxString::fromUtf8("gr\xC3\xBC\xC3\x9F")), L"gr\u00FC\u00DF");
  EXPECT_EQ(str(KxString::fromUtf8("abcdef", 3)), L"abc");
  EXPECT_EQ(str(KxString::fromAnsi("plain")), L"plain");
  EXPECT_TRUE(KxString::fromAnsi(nullptr).isNull());
  EXPECT_TRUE(KxString::fromUtf8("").isEmpty());
  EXPECT_EQ(str(KxString(L'q')), L"q");
  EXPECT_TRUE(KxString(static_cast<const wchar_t*>(nullptr)).isNull());
  KxString exact(L"abcdef", 4);
  EXPECT_EQ(str(exact), L"abcd");
  EXPECT_EQ(exact.capacity(), 4);
}

TEST(KxString, ReplaceAndUpperCase) {
  KxString s(L"a-b--c");
  s.replace(KxString(L"-"), KxString(L"+="));
  EXPECT_EQ(str(s), L"a+=b+=+=c");
  s.replace(KxString(L"+="), KxString());
  EXPECT_EQ(str(s), L"abc");
  s.replace(KxString(), KxString(L"x"));
  EXPECT_EQ(str(s), L"abc") << "an empty pattern changes nothing";
  KxString lower(L"q");
  EXPECT_EQ(str(lower.toUpper()), L"Q");
  EXPECT_EQ(str(lower), L"q");
}
