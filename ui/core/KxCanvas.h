#pragma once

#include "KxGeometry.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace Gdiplus {
class GpBitmap;
class GpGraphics;
}  // namespace Gdiplus

// A 32-bit drawing surface with its GDI+ graphics object.
// - The window canvas is a window's persistent back buffer: a bottom-up 32-bit DIB section
//   (version-5 header) in a memory DC, pushed whole to the layered window. Its pixels are
//   premultiplied BGRA and survive between paint passes; they are cleared only when the
//   buffer is created (first begin, or the first begin after a resize).
// - A layer canvas is an offscreen 32bppARGB bitmap (not premultiplied) that one item paints
//   into and that is then composited with an opacity and, for a disabled item, grey.
// UI thread only.
class KxCanvas {
 public:
  // A window canvas of size 0 x 0; resize gives it its size.
  KxCanvas();
  // A layer of width x height cleared to transparent black; null when GDI+ cannot make it.
  static std::unique_ptr<KxCanvas> createLayer(int width, int height);
  ~KxCanvas();
  KxCanvas(const KxCanvas&) = delete;
  KxCanvas& operator=(const KxCanvas&) = delete;

  bool isLayer() const { return layer_ != nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }
  KxSize size() const { return {width_, height_}; }

  // Window canvas: a new size drops the buffer and the graphics object; the next begin makes
  // them again.
  void resize(int width, int height);
  // Window canvas: selects the buffer into the memory DC, creating buffer and graphics object
  // first when there are none. False when that fails (or the size is empty).
  bool begin();
  // Window canvas: puts the DC's previous bitmap back.
  void end();

  Gdiplus::GpGraphics* graphics() const { return graphics_; }
  // The window canvas's memory DC (for UpdateLayeredWindow and BitBlt); null for a layer.
  HDC dc() const { return dc_; }
  // The layer's bitmap; null for a window canvas.
  Gdiplus::GpBitmap* layerBitmap() const { return layer_; }

  // The pixel at (x, y) as 0xAARRGGBB: premultiplied for a window canvas, straight for a
  // layer; 0 outside the canvas. Drawing is flushed first.
  uint32_t pixel(int x, int y) const;

  double opacity() const { return opacity_; }
  void setOpacity(double opacity) { opacity_ = opacity; }
  bool isEnabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }

  // The painter's saved graphics states.
  std::vector<unsigned>& savedStates() { return states_; }

 private:
  bool createBuffer();
  void dropBuffer();

  int width_ = 0;
  int height_ = 0;
  Gdiplus::GpGraphics* graphics_ = nullptr;
  std::vector<unsigned> states_;
  // Window canvas.
  HDC dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HBITMAP previous_ = nullptr;
  uint32_t* bits_ = nullptr;
  // The GDI+ bitmap drawn through, laid over the DIB section's own bits.
  Gdiplus::GpBitmap* dibBitmap_ = nullptr;
  // Layer canvas.
  Gdiplus::GpBitmap* layer_ = nullptr;
  double opacity_ = 1.0;
  bool enabled_ = true;
};
