#include "KxImage.h"

#include "KxGdiplus.h"
#include "KxImageCache.h"

#include "base/DebugStream.h"
#include "base/MemPool.h"

#include <cstring>

using namespace kxgdi;

namespace {

// FrameDimensionTime, spelled out so that no GUID library is needed.
const GUID kFrameDimensionTime = {
    0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
constexpr PROPID kFrameDelayTag = 0x5100;

}  // namespace

void* KxImage::operator new(size_t size) noexcept { return mp_alloc(size); }
void KxImage::operator delete(void* block) noexcept { mp_free(block); }

KxImage::KxImage(GpBitmap* bitmap) : bitmap_(bitmap) { initFrames(); }

KxImage::~KxImage() {
  KxImageCache::instance()->remove(this);
  dropBitmap();
}

void KxImage::dropBitmap() {
  if (bitmap_) GdipDisposeImage(bitmap_);
  bitmap_ = nullptr;
  delays_.clear();
  frameCount_ = 0;
  activeFrame_ = 0;
}

KxImage* KxImage::fromBytes(const KxByteArray& bytes) {
  if (bytes.isEmpty()) return nullptr;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!block) return nullptr;
  void* target = GlobalLock(block);
  if (!target) {
    GlobalFree(block);
    return nullptr;
  }
  memcpy(target, bytes.constData(), bytes.size());
  GlobalUnlock(block);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream)) || !stream) {
    // No stream took the block: it is still ours to free.
    GlobalFree(block);
    return nullptr;
  }
  // NOTE: from here the stream owns the block and frees it on its last release; freeing it
  // here as well, on failure, would free it twice. The bitmap keeps its own reference.
  GpBitmap* bitmap = nullptr;
  const GpStatus status = GdipCreateBitmapFromStream(stream, &bitmap);
  stream->Release();
  if (status != Ok || !bitmap) {
    if (bitmap) GdipDisposeImage(bitmap);
    return nullptr;
  }
  KxImage* image = new KxImage(bitmap);
  if (!image) GdipDisposeImage(bitmap);
  return image;
}

KxImage* KxImage::fromFile(const KxString& path) {
  GpBitmap* bitmap = nullptr;
  if (GdipCreateBitmapFromFile(path.constData(), &bitmap) != Ok || !bitmap) return nullptr;
  UINT w = 0, h = 0;
  GdipGetImageWidth(bitmap, &w);
  GdipGetImageHeight(bitmap, &h);
  if (w == 0 || h == 0) {
    GdipDisposeImage(bitmap);
    return nullptr;
  }
  KxImage* image = new KxImage(bitmap);
  if (!image) GdipDisposeImage(bitmap);
  return image;
}

void KxImage::release() {
  if (--ref_ == 0) delete this;
}

int KxImage::width() const {
  UINT w = 0;
  if (bitmap_) GdipGetImageWidth(bitmap_, &w);
  return static_cast<int>(w);
}

int KxImage::height() const {
  UINT h = 0;
  if (bitmap_) GdipGetImageHeight(bitmap_, &h);
  return static_cast<int>(h);
}

void KxImage::setKey(const KxString& key, uint32_t serial) {
  key_ = key;
  serial_ = serial;
}

void KxImage::initFrames() {
  UINT dimensions = 0;
  if (GdipImageGetFrameDimensionsCount(bitmap_, &dimensions) != Ok || dimensions == 0) return;
  std::vector<GUID> ids(dimensions);
  GpStatus status = GdipImageGetFrameDimensionsList(bitmap_, ids.data(), dimensions);
  if (status != Ok) {
    kxDebug() << "KxImage::initFrames " << static_cast<int>(status);
    return;
  }
  UINT frames = 0;
  GdipImageGetFrameCount(bitmap_, &ids[0], &frames);
  frameCount_ = static_cast<int>(frames);
  activeFrame_ = 0;
  if (frameCount_ < 2) return;
  UINT size = 0;
  if (GdipGetPropertyItemSize(bitmap_, kFrameDelayTag, &size) != Ok || size < sizeof(PropertyItem))
    return;
  delays_.resize(size);
  auto* item = reinterpret_cast<PropertyItem*>(delays_.data());
  if (GdipGetPropertyItem(bitmap_, kFrameDelayTag, size, item) != Ok) delays_.clear();
}

void KxImage::setActiveFrame(int index) {
  if (frameCount_ < 2) return;
  activeFrame_ = ((index % frameCount_) + frameCount_) % frameCount_;
  const GpStatus status =
      GdipImageSelectActiveFrame(bitmap_, &kFrameDimensionTime, static_cast<UINT>(activeFrame_));
  if (status != Ok) kxDebug() << "KxImage::setActiveFrame " << static_cast<int>(status);
}

int KxImage::frameDelay() const {
  if (frameCount_ < 2 || delays_.empty()) return 0;
  const auto* item = reinterpret_cast<const PropertyItem*>(delays_.data());
  // A malformed file may list fewer delays than frames: only read what the item holds, and
  // only inside the buffer GDI+ filled.
  const size_t offset = static_cast<const uint8_t*>(item->value) - delays_.data();
  const size_t need = (static_cast<size_t>(activeFrame_) + 1) * sizeof(int32_t);
  if (!item->value || item->length < need || offset > delays_.size() ||
      delays_.size() - offset < need)
    return 0;
  int32_t delay = 0;
  memcpy(&delay, static_cast<const uint8_t*>(item->value) + activeFrame_ * sizeof(int32_t),
         sizeof(delay));
  return delay * 10;
}
