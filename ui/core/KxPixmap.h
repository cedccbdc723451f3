#pragma once

#include "KxGeometry.h"
#include "KxUrl.h"

#include "base/KxString.h"

class KxImage;

// An image by resource URL ("kxgui:close_normal.png", "file:///C:/x.png"), shared through the
// image cache: two pixmaps of one URL share one image. A value type; a URL that yields no bytes
// or no image gives a null pixmap, which draws nothing.
class KxPixmap {
 public:
  KxPixmap() = default;
  explicit KxPixmap(const KxUrl& url);
  explicit KxPixmap(const KxString& url) : KxPixmap(KxUrl(url)) {}
  explicit KxPixmap(const wchar_t* url) : KxPixmap(KxUrl(url)) {}
  // Takes over the caller's reference to image (null gives a null pixmap).
  explicit KxPixmap(KxImage* image);
  KxPixmap(const KxPixmap& other);
  KxPixmap& operator=(const KxPixmap& other);
  ~KxPixmap();

  bool isNull() const;
  int width() const;
  int height() const;
  KxSize size() const { return {width(), height()}; }
  // The shared image, or null.
  KxImage* image() const { return image_; }

 private:
  KxImage* image_ = nullptr;
};
