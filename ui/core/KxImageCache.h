#pragma once

#include "base/KxString.h"

#include <cstdint>
#include <map>

class KxImage;

// The live images by URL key and by serial. It holds no reference: an image leaves it when its
// last pixmap lets go. Process-wide, created on first use. UI thread only.
class KxImageCache {
 public:
  static KxImageCache* instance();
  // Empties the cache, disposing of the bitmaps of images that pixmaps still hold (they then
  // read as null), so that nothing of GDI+ is left when it shuts down. The application calls
  // it before GdiplusShutdown.
  static void emptyImageCache();

  // The cached image of key, or null; the caller takes a reference of its own.
  KxImage* find(const KxString& key) const;
  KxImage* findSerial(uint32_t serial) const;
  // Gives image the key and the next serial and enters it.
  void insert(KxImage* image, const KxString& key);
  void remove(KxImage* image);
  int size() const { return static_cast<int>(byKey_.size()); }

 private:
  void clear();

  std::map<KxString, KxImage*> byKey_;
  std::map<uint32_t, KxImage*> bySerial_;
  uint32_t nextSerial_ = 1;
};
