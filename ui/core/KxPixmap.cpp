#include "KxPixmap.h"

#include "KxImage.h"
#include "KxImageCache.h"
#include "KxResourceLib.h"
#include "KxSkin.h"

KxPixmap::KxPixmap(const KxUrl& url) {
  kxRegisterSkinOnce();
  const KxString key = url.toString();
  KxImageCache* cache = KxImageCache::instance();
  if (KxImage* cached = cache->find(key)) {
    cached->retain();
    image_ = cached;
    return;
  }
  const KxByteArray bytes = KxResourceLib::instance()->load(url);
  if (bytes.isEmpty()) return;
  image_ = KxImage::fromBytes(bytes);
  if (image_) cache->insert(image_, key);
}

KxPixmap::KxPixmap(KxImage* image) : image_(image) {}

KxPixmap::KxPixmap(const KxPixmap& other) : image_(other.image_) {
  if (image_) image_->retain();
}

KxPixmap& KxPixmap::operator=(const KxPixmap& other) {
  if (other.image_) other.image_->retain();
  if (image_) image_->release();
  image_ = other.image_;
  return *this;
}

KxPixmap::~KxPixmap() {
  if (image_) image_->release();
}

bool KxPixmap::isNull() const { return !image_ || !image_->bitmap(); }

int KxPixmap::width() const { return isNull() ? 0 : image_->width(); }

int KxPixmap::height() const { return isNull() ? 0 : image_->height(); }
