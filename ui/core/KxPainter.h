#pragma once

#include "KxColor.h"
#include "KxGeometry.h"
#include "KxTextStyle.h"
#include "KxTransform.h"

#include "base/KxString.h"

class KxCanvas;
class KxPixmap;
class KxRegion;

// Draws on a canvas through GDI+ for one paint pass. Coordinates are in the current
// transform's space; rectangles are (x, y, width, height) unless named inclusive. A failing
// GDI+ call draws nothing and leaves its status in lastStatus; painting goes on.
class KxPainter {
 public:
  // How a new clip combines with the current one.
  enum ClipOperation { ReplaceClip = 1, IntersectClip = 2, UniteClip = 3 };

  explicit KxPainter(KxCanvas* canvas);
  KxPainter(const KxPainter&) = delete;
  KxPainter& operator=(const KxPainter&) = delete;

  KxCanvas* canvas() const { return canvas_; }
  int lastStatus() const { return status_; }

  // save and restore balance within one pass.
  void save();
  void restore();
  // The affine part of transform becomes the world transform.
  void setTransform(const KxTransform& transform);
  // Any other operation than the three replaces the clip.
  void setClipRect(const KxRectF& rect, int operation = ReplaceClip);
  void setClipRegion(const KxRegion& region, int operation = ReplaceClip);

  void fillRect(const KxRectF& rect, const KxColor& color);
  // A pen of width 1.
  void drawRect(const KxRectF& rect, const KxColor& color);
  void drawLine(const KxPointF& from, const KxPointF& to, const KxColor& color);

  // The whole image scaled into the rectangle.
  void drawPixmap(double x, double y, double width, double height, const KxPixmap& pixmap);
  // The source part of the image into the target, both in pixels.
  void drawPixmap(const KxRectF& target, const KxPixmap& pixmap, const KxRectF& source);
  // The eight border pieces of a nine-patch into target (inclusive corners), edges tiled; the
  // centre is left to the caller.
  void drawNinePatch(const KxRect& target, const KxPixmap& pixmap, const KxMargins& margins);

  // An opaque colour is drawn with alpha 254 (GDI+ keeps anti-aliased text edges only below
  // full opacity). A missing family falls back to the generic sans-serif family.
  void drawText(const KxRectF& rect, const KxString& text, const KxTextStyle& style);
  // The bounding rectangle of text laid out without bounds at (0, 0), with the same font
  // (fallback included) and string format as drawText.
  static KxRectF measureText(const KxString& text, const KxTextStyle& style);

  // Makes the area fully transparent; the whole-window marker (0, 0, -1, -1) clears the whole
  // canvas.
  void clearRect(const KxRect& rect);

  // Composites the layer canvas at (0, 0) in pixels: alpha times the layer's opacity, and grey
  // (0.3 red + 0.59 green + 0.11 blue) when the layer is disabled.
  void drawLayer(const KxCanvas& layer);

 private:
  bool ready() const;

  KxCanvas* canvas_;
  int status_ = 0;
};
