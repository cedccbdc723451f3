#include "KxPainter.h"

#include "KxCanvas.h"
#include "KxFontFactory.h"
#include "KxGdiplus.h"
#include "KxImage.h"
#include "KxNinePatch.h"
#include "KxPixmap.h"
#include "KxRegion.h"
#include "KxRenderQuality.h"

using namespace kxgdi;

namespace {

REAL f(double v) { return static_cast<REAL>(v); }

CombineMode combineMode(int operation) {
  switch (operation) {
    case KxPainter::IntersectClip:
      return CombineModeIntersect;
    case KxPainter::UniteClip:
      return CombineModeUnion;
    default:
      return CombineModeReplace;
  }
}

}  // namespace

KxPainter::KxPainter(KxCanvas* canvas) : canvas_(canvas) {}

bool KxPainter::ready() const { return canvas_ && canvas_->graphics(); }

void KxPainter::save() {
  if (!ready()) return;
  GraphicsState state = 0;
  status_ = GdipSaveGraphics(canvas_->graphics(), &state);
  if (status_ == Ok) canvas_->savedStates().push_back(state);
}

void KxPainter::restore() {
  if (!ready() || canvas_->savedStates().empty()) return;
  const GraphicsState state = canvas_->savedStates().back();
  canvas_->savedStates().pop_back();
  status_ = GdipRestoreGraphics(canvas_->graphics(), state);
}

void KxPainter::setTransform(const KxTransform& t) {
  if (!ready()) return;
  GpMatrix* matrix = nullptr;
  status_ = GdipCreateMatrix2(f(t.m11()), f(t.m12()), f(t.m21()), f(t.m22()), f(t.dx()),
                              f(t.dy()), &matrix);
  if (status_ != Ok) return;
  status_ = GdipSetWorldTransform(canvas_->graphics(), matrix);
  GdipDeleteMatrix(matrix);
}

void KxPainter::setClipRect(const KxRectF& r, int operation) {
  if (!ready()) return;
  status_ = GdipSetClipRect(canvas_->graphics(), f(r.x), f(r.y), f(r.width), f(r.height),
                            combineMode(operation));
}

void KxPainter::setClipRegion(const KxRegion& region, int operation) {
  if (!ready() || region.isNull()) return;
  status_ = GdipSetClipRegion(canvas_->graphics(), region.handle(), combineMode(operation));
}

void KxPainter::fillRect(const KxRectF& r, const KxColor& color) {
  if (!ready()) return;
  GpSolidFill* brush = nullptr;
  status_ = GdipCreateSolidFill(color.toArgb(), &brush);
  if (status_ != Ok) return;
  status_ = GdipFillRectangle(canvas_->graphics(), brush, f(r.x), f(r.y), f(r.width), f(r.height));
  GdipDeleteBrush(brush);
}

void KxPainter::drawRect(const KxRectF& r, const KxColor& color) {
  if (!ready()) return;
  GpPen* pen = nullptr;
  status_ = GdipCreatePen1(color.toArgb(), 1.0f, UnitPixel, &pen);
  if (status_ != Ok) return;
  status_ = GdipDrawRectangle(canvas_->graphics(), pen, f(r.x), f(r.y), f(r.width), f(r.height));
  GdipDeletePen(pen);
}

void KxPainter::drawLine(const KxPointF& from, const KxPointF& to, const KxColor& color) {
  if (!ready()) return;
  GpPen* pen = nullptr;
  status_ = GdipCreatePen1(color.toArgb(), 1.0f, UnitPixel, &pen);
  if (status_ != Ok) return;
  status_ = GdipDrawLine(canvas_->graphics(), pen, f(from.x), f(from.y), f(to.x), f(to.y));
  GdipDeletePen(pen);
}

void KxPainter::drawPixmap(double x, double y, double width, double height,
                           const KxPixmap& pixmap) {
  if (pixmap.isNull()) return;
  drawPixmap(KxRectF{x, y, width, height}, pixmap,
             KxRectF{0, 0, double(pixmap.width()), double(pixmap.height())});
}

void KxPainter::drawPixmap(const KxRectF& t, const KxPixmap& pixmap, const KxRectF& s) {
  if (!ready() || pixmap.isNull()) return;
  status_ = GdipDrawImageRectRect(canvas_->graphics(), pixmap.image()->bitmap(), f(t.x), f(t.y),
                                  f(t.width), f(t.height), f(s.x), f(s.y), f(s.width),
                                  f(s.height), UnitPixel, nullptr, nullptr, nullptr);
}

void KxPainter::drawNinePatch(const KxRect& target, const KxPixmap& pixmap,
                              const KxMargins& margins) {
  if (!ready() || pixmap.isNull()) return;
  for (const KxPatchPiece& p :
       kxNinePatchPieces(target, pixmap.width(), pixmap.height(), margins)) {
    drawPixmap(KxRectF{double(p.targetX), double(p.targetY), double(p.width), double(p.height)},
               pixmap,
               KxRectF{double(p.sourceX), double(p.sourceY), double(p.width), double(p.height)});
  }
}

void KxPainter::drawText(const KxRectF& r, const KxString& text, const KxTextStyle& style) {
  if (!ready() || text.isEmpty()) return;
  KxColor color = style.color;
  if (color.alpha == 255) color.alpha = 254;
  GpFont* font = kxCreateFont(style);
  GpStringFormat* format = kxCreateStringFormat();
  GpSolidFill* brush = nullptr;
  status_ = font && format ? GdipCreateSolidFill(color.toArgb(), &brush) : GenericError;
  if (status_ == Ok) {
    RectF layout(f(r.x), f(r.y), f(r.width), f(r.height));
    status_ = GdipDrawString(canvas_->graphics(), text.constData(), text.length(), font, &layout,
                             format, brush);
  }
  if (brush) GdipDeleteBrush(brush);
  if (format) GdipDeleteStringFormat(format);
  if (font) GdipDeleteFont(font);
}

KxRectF KxPainter::measureText(const KxString& text, const KxTextStyle& style) {
  KxRectF result;
  if (text.isEmpty()) return result;
  HDC dc = CreateCompatibleDC(nullptr);
  GpGraphics* graphics = nullptr;
  if (!dc || GdipCreateFromHDC(dc, &graphics) != Ok) {
    if (dc) DeleteDC(dc);
    return result;
  }
  KxRenderQuality::instance().apply(graphics);
  GpFont* font = kxCreateFont(style);
  GpStringFormat* format = kxCreateStringFormat();
  if (font && format) {
    RectF layout(0, 0, 0, 0);
    RectF bounds;
    if (GdipMeasureString(graphics, text.constData(), text.length(), font, &layout, format,
                          &bounds, nullptr, nullptr) == Ok)
      result = KxRectF{bounds.X, bounds.Y, bounds.Width, bounds.Height};
  }
  if (format) GdipDeleteStringFormat(format);
  if (font) GdipDeleteFont(font);
  GdipDeleteGraphics(graphics);
  DeleteDC(dc);
  return result;
}

void KxPainter::clearRect(const KxRect& r) {
  if (!ready()) return;
  GpGraphics* g = canvas_->graphics();
  if (r.left == 0 && r.top == 0 && r.right == -1 && r.bottom == -1) {
    status_ = GdipGraphicsClear(g, 0);
    return;
  }
  CompositingMode previous = CompositingModeSourceOver;
  GdipGetCompositingMode(g, &previous);
  GdipSetCompositingMode(g, CompositingModeSourceCopy);
  GpSolidFill* brush = nullptr;
  status_ = GdipCreateSolidFill(0, &brush);
  if (status_ == Ok) {
    status_ = GdipFillRectangleI(g, brush, r.left, r.top, r.right - r.left + 1,
                                 r.bottom - r.top + 1);
    GdipDeleteBrush(brush);
  }
  GdipSetCompositingMode(g, previous);
}

void KxPainter::drawLayer(const KxCanvas& layer) {
  if (!ready() || !layer.layerBitmap()) return;
  const REAL a = f(layer.opacity());
  ColorMatrix m = {};
  if (layer.isEnabled()) {
    m.m[0][0] = m.m[1][1] = m.m[2][2] = 1;
  } else {
    // Rows are the inputs (red, green, blue, alpha, 1), columns the outputs.
    const REAL weights[3] = {0.3f, 0.59f, 0.11f};
    for (int in = 0; in < 3; ++in)
      for (int out = 0; out < 3; ++out) m.m[in][out] = weights[in];
  }
  m.m[3][3] = a;
  m.m[4][4] = 1;
  GpImageAttributes* attributes = nullptr;
  status_ = GdipCreateImageAttributes(&attributes);
  if (status_ != Ok) return;
  status_ = GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeDefault, TRUE, &m,
                                              nullptr, ColorMatrixFlagsDefault);
  if (status_ == Ok)
    status_ = GdipDrawImageRectRectI(canvas_->graphics(), layer.layerBitmap(), 0, 0,
                                     layer.width(), layer.height(), 0, 0, layer.width(),
                                     layer.height(), UnitPixel, attributes, nullptr, nullptr);
  GdipDisposeImageAttributes(attributes);
}
