#include "KxCanvas.h"

#include "KxGdiplus.h"
#include "KxRenderQuality.h"

using namespace kxgdi;

KxCanvas::KxCanvas() { dc_ = CreateCompatibleDC(nullptr); }

std::unique_ptr<KxCanvas> KxCanvas::createLayer(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  std::unique_ptr<KxCanvas> canvas(new KxCanvas);
  DeleteDC(canvas->dc_);
  canvas->dc_ = nullptr;
  canvas->width_ = width;
  canvas->height_ = height;
  if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr,
                                &canvas->layer_) != Ok ||
      !canvas->layer_)
    return nullptr;
  if (GdipGetImageGraphicsContext(canvas->layer_, &canvas->graphics_) != Ok) return nullptr;
  KxRenderQuality::instance().apply(canvas->graphics_);
  GdipGraphicsClear(canvas->graphics_, 0);
  return canvas;
}

KxCanvas::~KxCanvas() {
  dropBuffer();
  if (graphics_) GdipDeleteGraphics(graphics_);
  if (layer_) GdipDisposeImage(layer_);
  if (dc_) DeleteDC(dc_);
}

void KxCanvas::resize(int width, int height) {
  if (isLayer() || (width == width_ && height == height_)) return;
  dropBuffer();
  width_ = width;
  height_ = height;
}

void KxCanvas::dropBuffer() {
  if (isLayer()) return;
  states_.clear();
  if (graphics_) GdipDeleteGraphics(graphics_);
  graphics_ = nullptr;
  if (dibBitmap_) GdipDisposeImage(dibBitmap_);
  dibBitmap_ = nullptr;
  if (previous_ && dc_) SelectObject(dc_, previous_);
  previous_ = nullptr;
  if (dib_) DeleteObject(dib_);
  dib_ = nullptr;
  bits_ = nullptr;
}

bool KxCanvas::createBuffer() {
  BITMAPV5HEADER header = {};
  header.bV5Size = sizeof(header);
  header.bV5Width = width_;
  header.bV5Height = height_;  // positive: bottom-up rows
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_RGB;
  void* bits = nullptr;
  dib_ = CreateDIBSection(dc_, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                          nullptr, 0);
  if (!dib_ || !bits) {
    dropBuffer();
    return false;
  }
  bits_ = static_cast<uint32_t*>(bits);
  // NOTE: GDI+ on a DC does not keep per-pixel alpha for this DIB layout everywhere (Wine
  // drops it), so drawing goes through a premultiplied GDI+ bitmap laid over the DIB's own
  // bits: the top row is the last one in memory, hence the negative stride.
  const int stride = width_ * 4;
  BYTE* top = reinterpret_cast<BYTE*>(bits_) + (height_ - 1) * stride;
  if (GdipCreateBitmapFromScan0(width_, height_, -stride, PixelFormat32bppPARGB, top,
                                &dibBitmap_) != Ok ||
      GdipGetImageGraphicsContext(dibBitmap_, &graphics_) != Ok) {
    dropBuffer();
    return false;
  }
  KxRenderQuality::instance().apply(graphics_);
  GdipGraphicsClear(graphics_, 0);
  return true;
}

bool KxCanvas::begin() {
  if (isLayer()) return graphics_ != nullptr;
  if (!dc_ || width_ <= 0 || height_ <= 0) return false;
  if (!dib_ && !createBuffer()) return false;
  HGDIOBJ old = SelectObject(dc_, dib_);
  if (old && old != dib_) previous_ = static_cast<HBITMAP>(old);
  return true;
}

void KxCanvas::end() {
  if (isLayer() || !dc_) return;
  if (graphics_) GdipFlush(graphics_, FlushIntentionSync);
  if (previous_) SelectObject(dc_, previous_);
  previous_ = nullptr;
}

uint32_t KxCanvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  if (graphics_) GdipFlush(graphics_, FlushIntentionSync);
  if (layer_) {
    ARGB argb = 0;
    GdipBitmapGetPixel(layer_, x, y, &argb);
    return argb;
  }
  return bits_ ? bits_[(height_ - 1 - y) * width_ + x] : 0;
}
