#include "GdiplusSession.h"

#include "ui/core/KxCanvas.h"
#include "ui/core/KxFontFactory.h"
#include "ui/core/KxPainter.h"
#include "ui/core/KxPixmap.h"
#include "ui/core/KxRegion.h"
#include "ui/core/KxTextStyle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// Channel tolerance of read-back pixels: GDI+ rounds premultiplied channels on its own.
constexpr int kTolerance = 2;

int channel(uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }

::testing::AssertionResult pixelNear(uint32_t got, uint32_t want) {
  for (int shift : {24, 16, 8, 0}) {
    if (std::abs(channel(got, shift) - channel(want, shift)) > kTolerance)
      return ::testing::AssertionFailure() << std::hex << "pixel 0x" << got << ", expected 0x"
                                           << want << " within " << std::dec << kTolerance;
  }
  return ::testing::AssertionSuccess();
}

class KxPainterTest : public GdiplusTest {
 protected:
  void SetUp() override {
    canvas_.resize(40, 30);
    ASSERT_TRUE(canvas_.begin());
  }
  void TearDown() override { canvas_.end(); }

  KxCanvas canvas_;
};

}  // namespace

TEST_F(KxPainterTest, WindowCanvasStartsTransparentAndKeepsAlpha) {
  EXPECT_EQ(canvas_.pixel(0, 0), 0u);
  EXPECT_EQ(canvas_.pixel(39, 29), 0u);
  KxPainter painter(&canvas_);
  painter.fillRect({0, 0, 10, 10}, KxColor(255, 0, 0, 255));
  painter.fillRect({10, 0, 10, 10}, KxColor(0, 0, 255, 128));
  EXPECT_TRUE(pixelNear(canvas_.pixel(5, 5), 0xFFFF0000));
  // Premultiplied: half-alpha blue is stored as blue 128.
  EXPECT_TRUE(pixelNear(canvas_.pixel(15, 5), 0x80000080));
  EXPECT_EQ(canvas_.pixel(25, 5), 0u);
  EXPECT_EQ(painter.lastStatus(), 0);
}

TEST_F(KxPainterTest, RowsAreStoredBottomUpInTheDib) {
  KxPainter painter(&canvas_);
  painter.fillRect({0, 0, 40, 1}, KxColor(0, 255, 0, 255));
  EXPECT_TRUE(pixelNear(canvas_.pixel(3, 0), 0xFF00FF00));
  EXPECT_EQ(canvas_.pixel(3, 29), 0u);
}

TEST_F(KxPainterTest, BeginKeepsThePixelsAndResizeClears) {
  KxPainter(&canvas_).fillRect({0, 0, 5, 5}, KxColor(10, 20, 30, 255));
  canvas_.end();
  ASSERT_TRUE(canvas_.begin());
  EXPECT_TRUE(pixelNear(canvas_.pixel(2, 2), 0xFF0A141E)) << "a partial repaint keeps the rest";
  canvas_.end();
  canvas_.resize(40, 30);
  ASSERT_TRUE(canvas_.begin());
  EXPECT_TRUE(pixelNear(canvas_.pixel(2, 2), 0xFF0A141E)) << "the same size is no resize";
  canvas_.end();
  canvas_.resize(41, 30);
  ASSERT_TRUE(canvas_.begin());
  EXPECT_EQ(canvas_.pixel(2, 2), 0u);
}

TEST_F(KxPainterTest, ClearRectMakesItsAreaTransparent) {
  KxPainter painter(&canvas_);
  painter.fillRect({0, 0, 40, 30}, KxColor(200, 100, 50, 255));
  painter.clearRect(KxRect{2, 3, 5, 6});
  EXPECT_EQ(canvas_.pixel(2, 3), 0u);
  EXPECT_EQ(canvas_.pixel(5, 6), 0u);
  EXPECT_TRUE(pixelNear(canvas_.pixel(6, 6), 0xFFC86432));
  EXPECT_TRUE(pixelNear(canvas_.pixel(1, 3), 0xFFC86432));
  // Source-over again afterwards: a half-transparent fill blends.
  painter.fillRect({0, 0, 1, 1}, KxColor(0, 0, 0, 0));
  EXPECT_TRUE(pixelNear(canvas_.pixel(0, 0), 0xFFC86432));
  painter.clearRect(KxRect{0, 0, -1, -1});
  EXPECT_EQ(canvas_.pixel(20, 20), 0u);
}

TEST_F(KxPainterTest, TransformAndClipApply) {
  KxPainter painter(&canvas_);
  painter.save();
  painter.setTransform(KxTransform::fromTranslate(20, 10));
  painter.setClipRect({0, 0, 4, 4}, KxPainter::ReplaceClip);
  painter.setClipRect({2, 2, 10, 10}, KxPainter::IntersectClip);
  painter.fillRect({0, 0, 10, 10}, KxColor(255, 255, 255, 255));
  painter.restore();
  EXPECT_EQ(canvas_.pixel(21, 11), 0u) << "outside the intersected clip";
  EXPECT_TRUE(pixelNear(canvas_.pixel(23, 13), 0xFFFFFFFF));
  EXPECT_EQ(canvas_.pixel(25, 15), 0u);
  painter.fillRect({0, 0, 1, 1}, KxColor(255, 255, 255, 255));
  EXPECT_TRUE(pixelNear(canvas_.pixel(0, 0), 0xFFFFFFFF)) << "restore dropped clip and transform";
}

TEST_F(KxPainterTest, RoundRegionClipsTheCorners) {
  KxRegion region = KxRegion::roundRect(KxRect{0, 0, 19, 19}, 10, 10);
  ASSERT_FALSE(region.isNull());
  EXPECT_FALSE(region.contains(0.5, 0.5));
  EXPECT_TRUE(region.contains(10, 10));
  // Windows leaves out the last column and row of a rounded region: with right + 2 and
  // bottom + 2 it covers the inclusive rectangle exactly.
  EXPECT_TRUE(region.contains(19, 10));
  EXPECT_FALSE(region.contains(20, 10));
  EXPECT_TRUE(region.contains(10, 19));
  EXPECT_FALSE(region.contains(10, 20));
  KxPainter painter(&canvas_);
  painter.setClipRegion(region);
  painter.fillRect({0, 0, 40, 30}, KxColor(0, 0, 0, 255));
  EXPECT_EQ(canvas_.pixel(0, 0), 0u);
  EXPECT_TRUE(pixelNear(canvas_.pixel(10, 10), 0xFF000000));
  EXPECT_TRUE(pixelNear(canvas_.pixel(19, 10), 0xFF000000));
  EXPECT_EQ(canvas_.pixel(20, 10), 0u);
}

TEST_F(KxPainterTest, NinePatchDrawsTheBordersAndLeavesTheCentre) {
  // The edit frame: a 22 x 22 box with a 1-pixel border, drawn into 30 x 20 with margins 6.
  KxPixmap frame(L"kxgui:edit_normal.png");
  ASSERT_FALSE(frame.isNull());
  KxPainter painter(&canvas_);
  painter.drawNinePatch(KxRect{5, 5, 34, 24}, frame, KxMargins{6, 6, 6, 6});
  const uint32_t border = canvas_.pixel(5, 15);
  const uint32_t inside = canvas_.pixel(7, 15);
  EXPECT_EQ(border >> 24, 0xFFu) << "left edge, tiled";
  EXPECT_TRUE(pixelNear(inside, 0xFFFFFFFF)) << "white inside the border";
  EXPECT_EQ(canvas_.pixel(20, 15), 0u) << "the centre is not drawn";
  EXPECT_EQ(canvas_.pixel(4, 15), 0u) << "nothing outside the target";
  EXPECT_TRUE(pixelNear(canvas_.pixel(20, 5), border)) << "top edge matches the left edge";
  EXPECT_TRUE(pixelNear(canvas_.pixel(34, 15), border)) << "right edge";
  EXPECT_TRUE(pixelNear(canvas_.pixel(20, 24), border)) << "bottom edge";
  EXPECT_EQ(canvas_.pixel(35, 15), 0u);
}

TEST_F(KxPainterTest, PixmapsDrawScaledAndByPart) {
  KxPixmap frame(L"kxgui:edit_normal.png");
  KxPainter painter(&canvas_);
  painter.drawPixmap(0, 0, 11, 11, frame);
  EXPECT_TRUE(pixelNear(canvas_.pixel(5, 5), 0xFFFFFFFF));
  painter.drawPixmap(KxRectF{20, 0, 4, 4}, frame, KxRectF{9, 9, 4, 4});
  EXPECT_TRUE(pixelNear(canvas_.pixel(21, 1), 0xFFFFFFFF));
  EXPECT_EQ(canvas_.pixel(25, 1), 0u);
  painter.drawPixmap(30, 0, 5, 5, KxPixmap());
  EXPECT_EQ(canvas_.pixel(31, 1), 0u) << "a null pixmap draws nothing";
}

TEST_F(KxPainterTest, LinesAndOutlines) {
  // Integer coordinates are pixel centres: a 1-pixel pen at y = 20 covers row 20.
  KxPainter painter(&canvas_);
  painter.drawLine({0, 20}, {40, 20}, KxColor(0, 0, 0, 255));
  painter.drawRect({5, 5, 10, 10}, KxColor(255, 0, 0, 255));
  EXPECT_EQ(channel(canvas_.pixel(30, 20), 24), 0xFF);
  EXPECT_EQ(channel(canvas_.pixel(10, 5), 16), 0xFF) << "top of the outline";
  EXPECT_EQ(canvas_.pixel(10, 10), 0u) << "an outline is not filled";
}

TEST_F(KxPainterTest, OpaqueTextIsDrawnWithAlpha254) {
  KxTextStyle style = defaultTextStyle();
  style.size = 20;
  style.color = KxColor(0, 0, 0, 255);
  KxPainter painter(&canvas_);
  painter.drawText({0, 0, 40, 30}, KxString(L"\x2588\x2588"), style);  // full blocks
  int maxAlpha = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) maxAlpha = std::max(maxAlpha, channel(canvas_.pixel(x, y), 24));
  EXPECT_NEAR(maxAlpha, 254, 1) << "text is never quite opaque";
  EXPECT_EQ(painter.lastStatus(), 0);
}

TEST_F(KxPainterTest, ChineseTextMeasuresAndDrawsInEveryDefaultFamily) {
  for (const wchar_t* family : {L"SimSun", L"Microsoft YaHei", L"No Such Family 7"}) {
    KxTextStyle style = defaultTextStyle();
    style.family = KxString(family);
    style.size = 12;
    const KxRectF box = KxPainter::measureText(KxString(L"正在检测安装环境"), style);
    EXPECT_GT(box.width, 8 * 8) << family;
    EXPECT_GT(box.height, 10) << family;
    EXPECT_LT(box.height, 40) << family;
  }
  EXPECT_TRUE(kxFontFamilyExists(KxString(L"SimSun")));
  EXPECT_FALSE(kxFontFamilyExists(KxString(L"No Such Family 7")));
}

TEST_F(KxPainterTest, MeasureTextFallsBackLikeDrawText) {
  KxTextStyle missing = defaultTextStyle();
  missing.family = KxString(L"No Such Family 7");
  const KxRectF box = KxPainter::measureText(KxString(L"OrviZelo  "), missing);
  EXPECT_GT(box.width, 0) << "a missing family used to measure empty";
  const KxRectF trimmed = KxPainter::measureText(KxString(L"OrviZelo"), missing);
  EXPECT_GT(box.width, trimmed.width) << "trailing spaces count";
  KxPainter painter(&canvas_);
  painter.drawText({0, 0, 40, 30}, KxString(L"OrviZelo"), missing);
  bool inked = false;
  for (int y = 0; y < 30 && !inked; ++y)
    for (int x = 0; x < 40 && !inked; ++x) inked = canvas_.pixel(x, y) != 0;
  EXPECT_TRUE(inked);
}

TEST_F(KxPainterTest, DefaultTextStyleChangesBySetters) {
  const KxTextStyle saved = defaultTextStyle();
  EXPECT_TRUE(saved.family == L"SimSun");
  EXPECT_EQ(saved.style, 0);
  EXPECT_EQ(saved.color, KxColor(0, 0, 0, 255));
  setDefaultFontSize(12);
  setDefaultFontFamily(KxString(L"Microsoft YaHei"));
  EXPECT_EQ(defaultTextStyle().size, 12);
  EXPECT_TRUE(defaultTextStyle().family == L"Microsoft YaHei");
  setDefaultFontSize(saved.size);
  setDefaultFontFamily(saved.family);
}

TEST_F(KxPainterTest, LayersCompositeWithOpacityAndTheDisabledLook) {
  struct Case {
    const char* name;
    bool enabled;
    double opacity;
    KxColor color;
    uint32_t want;  // premultiplied, as the window canvas stores it
  } cases[] = {
      {"enabled, opaque", true, 1.0, KxColor(200, 40, 0, 255), 0xFFC82800},
      {"enabled, half", true, 0.5, KxColor(200, 40, 0, 255), 0x80641400},
      // grey = 0.3 * 200 + 0.59 * 40 + 0.11 * 0 = 83.6, at half alpha stored as 42.
      {"disabled, half", false, 0.5, KxColor(200, 40, 0, 255), 0x802A2A2A},
  };
  int x = 0;
  for (const Case& c : cases) {
    std::unique_ptr<KxCanvas> layer = KxCanvas::createLayer(40, 30);
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->pixel(0, 0), 0u) << "a layer starts transparent";
    KxPainter(layer.get()).fillRect({double(x), 0, 8, 8}, c.color);
    EXPECT_TRUE(pixelNear(layer->pixel(x + 1, 1), c.color.toArgb())) << "straight alpha";
    layer->setEnabled(c.enabled);
    layer->setOpacity(c.opacity);
    KxPainter(&canvas_).drawLayer(*layer);
    EXPECT_TRUE(pixelNear(canvas_.pixel(x + 4, 4), c.want)) << c.name;
    EXPECT_EQ(canvas_.pixel(x + 9, 4), 0u) << c.name;
    x += 12;
  }
}
