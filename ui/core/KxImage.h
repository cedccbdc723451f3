#pragma once

#include "base/KxByteArray.h"
#include "base/KxString.h"

#include <cstdint>
#include <vector>

namespace Gdiplus {
class GpBitmap;
}

// Decoded image data shared by pixmaps: a GDI+ bitmap, its cache key and serial, and the frames
// of an animated image. Pool-allocated and reference-counted; the last release destroys it and
// takes it out of the image cache. UI thread only.
class KxImage {
 public:
  // Null when the bytes do not decode (or there are none).
  static KxImage* fromBytes(const KxByteArray& bytes);
  // Null unless the file decodes to an image of non-zero size.
  static KxImage* fromFile(const KxString& path);

  void retain() { ++ref_; }
  void release();
  int refCount() const { return ref_; }

  Gdiplus::GpBitmap* bitmap() const { return bitmap_; }
  int width() const;
  int height() const;

  const KxString& key() const { return key_; }
  uint32_t serial() const { return serial_; }
  void setKey(const KxString& key, uint32_t serial);

  int frameCount() const { return frameCount_; }
  int activeFrame() const { return activeFrame_; }
  // Index modulo the frame count; nothing for an image with fewer than 2 frames.
  void setActiveFrame(int index);
  // The active frame's delay in milliseconds; 0 for a still image, or when the file gives no
  // delay for that frame.
  int frameDelay() const;

  // Disposes of the bitmap while the image may live on (the image cache does so before GDI+
  // shuts down); the image then reads as empty.
  void dropBitmap();

  static void* operator new(size_t size) noexcept;
  static void operator delete(void* block) noexcept;

 private:
  explicit KxImage(Gdiplus::GpBitmap* bitmap);
  ~KxImage();
  void initFrames();

  int ref_ = 1;
  uint32_t serial_ = 0;
  KxString key_;
  Gdiplus::GpBitmap* bitmap_;
  // The frame-delay property item as GDI+ returns it: header, then one 32-bit delay per frame.
  std::vector<uint8_t> delays_;
  int frameCount_ = 0;
  int activeFrame_ = 0;
};
