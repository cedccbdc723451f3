#include "KxImageCache.h"

#include "KxImage.h"
#include "KxSingleton.h"

#include <atomic>

namespace {

std::atomic<KxImageCache*> g_imageCache{nullptr};

}  // namespace

KxImageCache* KxImageCache::instance() { return kxPublishOnce(g_imageCache); }

void KxImageCache::emptyImageCache() {
  if (KxImageCache* cache = g_imageCache.load()) cache->clear();
}

void KxImageCache::clear() {
  std::map<KxString, KxImage*> images;
  images.swap(byKey_);
  bySerial_.clear();
  for (auto& entry : images) entry.second->dropBitmap();
}

KxImage* KxImageCache::find(const KxString& key) const {
  auto it = byKey_.find(key);
  return it == byKey_.end() ? nullptr : it->second;
}

KxImage* KxImageCache::findSerial(uint32_t serial) const {
  auto it = bySerial_.find(serial);
  return it == bySerial_.end() ? nullptr : it->second;
}

void KxImageCache::insert(KxImage* image, const KxString& key) {
  image->setKey(key, nextSerial_++);
  byKey_[key] = image;
  bySerial_[image->serial()] = image;
}

void KxImageCache::remove(KxImage* image) {
  auto it = byKey_.find(image->key());
  if (it != byKey_.end() && it->second == image) byKey_.erase(it);
  auto s = bySerial_.find(image->serial());
  if (s != bySerial_.end() && s->second == image) bySerial_.erase(s);
}
