#include "KxByteArray.h"

#include "KxBlockGrowth.h"
#include "MemPool.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

char g_nullByte = 0;
char g_emptyByte = 0;
// NOTE: never freed and never written (their bytes are not inline, so a change reallocates).
KxByteArray::Data g_sharedNull = {1, 0, 0, &g_nullByte};
KxByteArray::Data g_sharedEmpty = {1, 0, 0, &g_emptyByte};

bool isStatic(const KxByteArray::Data* d) { return d == &g_sharedNull || d == &g_sharedEmpty; }

KxByteArray::Data* share(KxByteArray::Data* d) {
  ++d->ref;
  return d;
}

// capacity + 20 bytes here: the header, the 0 byte and the pool's 4-byte step.
size_t blockBytes(int capacity) {
  return sizeof(KxByteArray::Data) + static_cast<size_t>(capacity) + 4;
}

int grownCapacity(int n) {
  size_t bytes = kxGrownBlockBytes(static_cast<int>(blockBytes(n)));
  return std::max(n, static_cast<int>(bytes - sizeof(KxByteArray::Data) - 4));
}

}  // namespace

KxByteArray::Data* KxByteArray::allocate(int capacity) {
  Data* d = static_cast<Data*>(mp_alloc(blockBytes(capacity)));
  if (!d) return nullptr;
  d->ref = 1;
  d->alloc = capacity;
  d->size = 0;
  d->data = reinterpret_cast<char*>(d + 1);
  d->data[0] = 0;
  return d;
}

void KxByteArray::release(Data* d) {
  if (--d->ref == 0 && !isStatic(d)) mp_free(d);
}

bool KxByteArray::isInline() const { return d_->data == reinterpret_cast<char*>(d_ + 1); }

KxByteArray::KxByteArray() : d_(share(&g_sharedNull)) {}

KxByteArray::KxByteArray(const char* data, int size) {
  if (!data) {
    d_ = share(&g_sharedNull);
    return;
  }
  if (size < 0) size = static_cast<int>(strlen(data));
  Data* d = size > 0 ? allocate(size) : nullptr;
  if (!d) {
    d_ = share(size > 0 ? &g_sharedNull : &g_sharedEmpty);
    return;
  }
  memcpy(d->data, data, size);
  d->data[size] = 0;
  d->size = size;
  d_ = d;
}

KxByteArray::KxByteArray(const KxByteArray& other) : d_(share(other.d_)) {}

KxByteArray& KxByteArray::operator=(const KxByteArray& other) {
  Data* old = d_;
  d_ = share(other.d_);
  release(old);
  return *this;
}

KxByteArray::KxByteArray(KxByteArray&& other) noexcept : d_(other.d_) {
  other.d_ = share(&g_sharedNull);
}

KxByteArray& KxByteArray::operator=(KxByteArray&& other) noexcept {
  std::swap(d_, other.d_);
  return *this;
}

KxByteArray::~KxByteArray() { release(d_); }

bool KxByteArray::isNull() const { return d_ == &g_sharedNull; }

char* KxByteArray::data() {
  if ((d_->ref != 1 || !isInline()) && !reallocate(grownCapacity(d_->size))) return nullptr;
  return d_->data;
}

bool KxByteArray::reallocate(int capacity) {
  if (d_->ref == 1 && isInline()) {
    Data* d = static_cast<Data*>(mp_realloc(d_, blockBytes(capacity)));
    if (!d) return false;
    d_ = d;
    d_->data = reinterpret_cast<char*>(d_ + 1);
    d_->alloc = capacity;
    d_->size = std::min(d_->size, capacity);
    d_->data[d_->size] = 0;
    return true;
  }
  Data* d = allocate(capacity);
  if (!d) return false;
  d->size = std::min(d_->size, capacity);
  memcpy(d->data, d_->data, d->size);
  d->data[d->size] = 0;
  release(d_);
  d_ = d;
  return true;
}

bool KxByteArray::operator==(const KxByteArray& other) const {
  return d_->size == other.d_->size &&
         (d_ == other.d_ || memcmp(d_->data, other.d_->data, d_->size) == 0);
}

KxByteArray& KxByteArray::append(const char* data, int size) {
  if (!data || size <= 0) return *this;
  return append(KxByteArray(data, size));
}

KxByteArray& KxByteArray::append(const KxByteArray& other) {
  if (other.d_->size == 0) return *this;
  if (isNull()) return *this = other;
  KxByteArray keep(other);  // other may be this very array, whose block is about to move
  int size = d_->size;
  int total = size + keep.d_->size;
  if ((d_->ref != 1 || d_->alloc < total || !isInline()) && !reallocate(grownCapacity(total)))
    return *this;
  memcpy(d_->data + size, keep.d_->data, keep.d_->size);
  d_->size = total;
  d_->data[total] = 0;
  return *this;
}

void KxByteArray::resize(int n) {
  if (n <= 0) {
    *this = KxByteArray("", 0);
    return;
  }
  int size = d_->size;
  bool shrinkBlock = n < size && n < d_->alloc / 2;
  if ((d_->ref != 1 || d_->alloc < n || !isInline() || shrinkBlock) &&
      !reallocate(grownCapacity(n)))
    return;
  if (n > size) memset(d_->data + size, 0, n - size);
  d_->size = n;
  d_->data[n] = 0;
}

void KxByteArray::clear() { *this = KxByteArray(); }
