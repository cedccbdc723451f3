#include "GdiplusSession.h"

#include "ui/core/KxCursor.h"

#include <gtest/gtest.h>

using KxCursorTest = GdiplusTest;

TEST_F(KxCursorTest, ShapesLoadTheirSystemCursors) {
  const struct {
    int shape;
    const wchar_t* id;
  } cases[] = {{1, IDC_UPARROW}, {2, IDC_CROSS},    {3, IDC_WAIT},      {4, IDC_IBEAM},
               {5, IDC_SIZENS},  {6, IDC_SIZEWE},   {7, IDC_SIZENESW},  {8, IDC_SIZENWSE},
               {9, IDC_SIZEALL}, {13, IDC_HAND},    {14, IDC_NO},       {15, IDC_HELP},
               {16, IDC_APPSTARTING}, {0, IDC_ARROW}, {11, IDC_ARROW},  {99, IDC_ARROW}};
  for (const auto& c : cases) {
    HCURSOR expected = LoadCursorW(nullptr, c.id);
    EXPECT_EQ(KxCursor::systemCursor(c.shape), expected) << c.shape;
  }
  EXPECT_EQ(KxCursor::systemCursor(KxCursor::Bitmap), nullptr);
  EXPECT_EQ(KxCursor::systemCursor(KxCursor::Custom), nullptr);
}

TEST_F(KxCursorTest, ApplyHoldsTheCurrentCursorUntilReplaced) {
  auto* wait = new KxCursor(KxCursor::Wait);
  KxCursor::apply(wait);
  EXPECT_EQ(KxCursor::current(), wait);
  wait->release();  // the applied cursor keeps its own reference
  EXPECT_EQ(KxCursor::current()->shape(), KxCursor::Wait);
  KxCursor::apply(wait);  // again: nothing changes
  EXPECT_EQ(KxCursor::current(), wait);
  auto* hand = new KxCursor(KxCursor::PointingHand);
  KxCursor::apply(hand);
  EXPECT_EQ(KxCursor::current(), hand);
  hand->release();
  KxCursor::resetCurrent();
  EXPECT_EQ(KxCursor::current(), nullptr);
}

TEST_F(KxCursorTest, PixmapCursorsAreBuiltFromTheirImage) {
  KxCursor* cursor = new KxCursor(KxPixmap(L"kxgui:icon.png"), 2, 3);
  EXPECT_EQ(cursor->shape(), KxCursor::Bitmap);
  EXPECT_NE(cursor->handle(), nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(cursor->handle(), &info));
  EXPECT_EQ(info.xHotspot, 2u);
  EXPECT_EQ(info.yHotspot, 3u);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  cursor->release();
  KxCursor* none = new KxCursor(KxPixmap(), 0, 0, KxCursor::Custom);
  EXPECT_EQ(none->handle(), nullptr);
  none->release();
}
