#include "TestClasses.h"

#include "ui/core/KxVariant.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

TEST(KxVariant, EmptyUntilGivenAValue) {
  KxVariant v;
  EXPECT_TRUE(v.isEmpty());
  EXPECT_EQ(v.type(), KxVariant::Invalid);
  EXPECT_EQ(v, KxVariant());
  bool ok = true;
  EXPECT_EQ(v.toInt(&ok), 0);
  EXPECT_FALSE(ok);
}

TEST(KxVariant, KeepsEachTypeAndValue) {
  std::unique_ptr<KxRttiObject> object(new TestCircle);
  struct TypeCase {
    const char* what;
    KxVariant value;
    KxVariant::Type type;
  };
  const TypeCase cases[] = {
      {"char", KxVariant::fromChar('c'), KxVariant::Char},
      {"unsigned char", KxVariant::fromUChar(200), KxVariant::UChar},
      {"bool", KxVariant(true), KxVariant::Bool},
      {"int", KxVariant(-7), KxVariant::Int},
      {"unsigned", KxVariant(7u), KxVariant::UInt},
      {"double", KxVariant(0.25), KxVariant::Double},
      {"float", KxVariant(0.5f), KxVariant::Float},
      {"long long", KxVariant(-(1LL << 40)), KxVariant::LongLong},
      {"unsigned long long", KxVariant(1ULL << 63), KxVariant::ULongLong},
      {"object", KxVariant(object.get()), KxVariant::Object},
      {"rect of doubles", KxVariant(KxRectF{1, 2, 3, 4}), KxVariant::RectF},
      {"rect", KxVariant(KxRect{1, 2, 3, 4}), KxVariant::Rect},
      {"point of doubles", KxVariant(KxPointF{1.5, 2.5}), KxVariant::PointF},
      {"point", KxVariant(KxPoint{3, 4}), KxVariant::Point},
      {"size of doubles", KxVariant(KxSizeF{5.5, 6.5}), KxVariant::SizeF},
      {"size", KxVariant(KxSize{7, 8}), KxVariant::Size},
      {"string", KxVariant(KxString(L"text")), KxVariant::String},
      {"16 bytes", KxVariant::fromBytes16("0123456789abcdef"), KxVariant::Bytes16},
  };
  for (const TypeCase& c : cases) {
    EXPECT_FALSE(c.value.isEmpty()) << c.what;
    EXPECT_EQ(c.value.type(), c.type) << c.what;
    KxVariant copy = c.value;
    EXPECT_EQ(copy, c.value) << c.what;
    KxVariant assigned(42);
    assigned = c.value;
    EXPECT_EQ(assigned, c.value) << c.what;
  }
  EXPECT_EQ(cases[1].value.toUChar(), 200);
  EXPECT_DOUBLE_EQ(cases[6].value.toDouble(), 0.5);
  EXPECT_EQ(cases[8].value.toULongLong(), 1ULL << 63);
  EXPECT_EQ(cases[9].value.toObject(), object.get());
  EXPECT_EQ(cases[11].value.toRect().bottom, 4);
  EXPECT_DOUBLE_EQ(cases[12].value.toPointF().y, 2.5);
  EXPECT_TRUE(cases[16].value.toString() == L"text");
  char bytes[16];
  EXPECT_TRUE(cases[17].value.toBytes16(bytes));
  EXPECT_EQ(memcmp(bytes, "0123456789abcdef", 16), 0);
  EXPECT_FALSE(cases[16].value.toBytes16(bytes));
}

TEST(KxVariant, OneByteValuesConvertOnlyFromTheirOwnType) {
  bool ok = false;
  EXPECT_TRUE(KxVariant(true).toBool(&ok));
  EXPECT_TRUE(ok);
  EXPECT_FALSE(KxVariant(1).toBool(&ok));
  EXPECT_FALSE(ok);
  EXPECT_EQ(KxVariant::fromUChar(5).toChar(&ok), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(KxVariant::fromChar('x').toChar(&ok), 'x');
  EXPECT_TRUE(ok);
  EXPECT_EQ(KxVariant::fromChar('x').toUChar(&ok), 0);
  EXPECT_FALSE(ok);
  // Numbers convert among themselves.
  EXPECT_DOUBLE_EQ(KxVariant(3).toDouble(&ok), 3.0);
  EXPECT_TRUE(ok);
  EXPECT_EQ(KxVariant(2.9).toInt(), 2);
  EXPECT_EQ(KxVariant(KxString(L"3")).toInt(&ok), 0);
  EXPECT_FALSE(ok);
}

TEST(KxVariant, MarkBitStaysWithTheVariable) {
  KxVariant marked(1);
  marked.setMarked(true);
  marked = KxVariant(KxString(L"s"));
  EXPECT_TRUE(marked.isMarked());
  marked = KxVariant(2.0);
  EXPECT_TRUE(marked.isMarked());
  KxVariant plain;
  plain = marked;
  EXPECT_FALSE(plain.isMarked());
  EXPECT_EQ(plain, KxVariant(2.0));
}

TEST(KxVariant, CopiesOfBlockValuesAreIndependent) {
  KxVariant a(KxRect{0, 0, 9, 9});
  KxVariant b(KxRect{1, 1, 2, 2});
  b = a;  // same type: the block is reused
  a = KxVariant(KxRect{5, 5, 6, 6});
  EXPECT_EQ(b.toRect().right, 9);
  EXPECT_EQ(a.toRect().right, 6);
  KxVariant s(KxString(L"first"));
  KxVariant t(KxString(L"second"));
  t = s;
  s = KxVariant(KxString(L"third"));
  EXPECT_TRUE(t.toString() == L"first");
  EXPECT_TRUE(s.toString() == L"third");
  t = KxVariant(7);
  EXPECT_EQ(t.toInt(), 7);
  EXPECT_TRUE(t.toString().isNull());
}
