#include "KxString.h"

#include "KxBlockGrowth.h"
#include "MemPool.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <new>

namespace {

wchar_t g_nullChar = 0;
wchar_t g_emptyChar = 0;
// NOTE: the two static blocks are never freed and never written: their characters are not
// inline, so every change gives the string a block of its own first.
KxString::Data g_sharedNull = {1, 0, 0, &g_nullChar};
KxString::Data g_sharedEmpty = {1, 0, 0, &g_emptyChar};

bool isStatic(const KxString::Data* d) { return d == &g_sharedNull || d == &g_sharedEmpty; }

KxString::Data* share(KxString::Data* d) {
  ++d->ref;
  return d;
}

// Bytes of a block with room for capacity characters and the 0 (2 x capacity + 20 here).
size_t blockBytes(int capacity) {
  return sizeof(KxString::Data) + 2 * static_cast<size_t>(capacity) + 4;
}

int capacityForBytes(size_t bytes) {
  return static_cast<int>((bytes - sizeof(KxString::Data) - 4) / 2);
}

int grownCapacity(int n) {
  return std::max(n, capacityForBytes(kxGrownBlockBytes(static_cast<int>(blockBytes(n)))));
}

}  // namespace

KxString::Data* KxString::allocate(int capacity) {
  void* block = mp_alloc(blockBytes(capacity));
  if (!block) return nullptr;
  Data* d = static_cast<Data*>(block);
  d->ref = 1;
  d->alloc = capacity;
  d->size = 0;
  d->data = reinterpret_cast<wchar_t*>(d + 1);
  d->data[0] = 0;
  return d;
}

void KxString::release(Data* d) {
  if (--d->ref == 0 && !isStatic(d)) mp_free(d);
}

bool KxString::isInline() const { return d_->data == reinterpret_cast<wchar_t*>(d_ + 1); }

KxString::KxString() : d_(share(&g_sharedNull)) {}

KxString::KxString(const wchar_t* text, int length) {
  if (!text) {
    d_ = share(&g_sharedNull);
    return;
  }
  if (length < 0) length = static_cast<int>(wcslen(text));
  Data* d = length > 0 ? allocate(length) : nullptr;
  if (!d) {
    d_ = share(length > 0 ? &g_sharedNull : &g_sharedEmpty);
    return;
  }
  memcpy(d->data, text, length * sizeof(wchar_t));
  d->data[length] = 0;
  d->size = length;
  d_ = d;
}

KxString::KxString(wchar_t c) : KxString(&c, 1) {}

KxString::KxString(const KxString& other) : d_(share(other.d_)) {}

KxString& KxString::operator=(const KxString& other) {
  Data* old = d_;
  d_ = share(other.d_);
  release(old);
  return *this;
}

KxString::KxString(KxString&& other) noexcept : d_(other.d_) { other.d_ = share(&g_sharedNull); }

KxString& KxString::operator=(KxString&& other) noexcept {
  std::swap(d_, other.d_);
  return *this;
}

KxString::~KxString() { release(d_); }

namespace {

KxString fromCodePage(UINT codePage, const char* text, int byteLength) {
  if (!text) return KxString();
  if (byteLength < 0) byteLength = static_cast<int>(strlen(text));
  KxString s;
  s.resize(byteLength);
  if (byteLength == 0) return s;
  wchar_t* out = s.length() == byteLength ? s.data() : nullptr;
  if (!out) return KxString();  // the pool had no block of that size
  int produced = MultiByteToWideChar(codePage, 0, text, byteLength, out, byteLength);
  s.resize(produced);
  return s;
}

}  // namespace

KxString KxString::fromAnsi(const char* text, int byteLength) {
  return fromCodePage(CP_ACP, text, byteLength);
}

KxString KxString::fromUtf8(const char* text, int byteLength) {
  return fromCodePage(CP_UTF8, text, byteLength);
}

KxString KxString::number(int value, int radix) {
  if (radix < 2 || radix > 36) radix = 10;
  // 32 binary digits and a sign at most.
  wchar_t digits[34];
  int at = 34;
  bool negative = radix == 10 && value < 0;
  uint32_t rest = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    uint32_t digit = rest % radix;
    digits[--at] = static_cast<wchar_t>(digit < 10 ? L'0' + digit : L'a' + digit - 10);
    rest /= radix;
  } while (rest);
  if (negative) digits[--at] = L'-';
  return KxString(digits + at, 34 - at);
}

bool KxString::isNull() const { return d_ == &g_sharedNull; }

wchar_t* KxString::data() {
  if (!reserveForChange(d_->size)) return nullptr;  // never a shared or static block
  return d_->data;
}

bool KxString::reallocate(int capacity) {
  if (d_->ref == 1 && isInline()) {
    void* block = mp_realloc(d_, blockBytes(capacity));
    if (!block) return false;
    d_ = static_cast<Data*>(block);
    d_->data = reinterpret_cast<wchar_t*>(d_ + 1);
    d_->alloc = capacity;
    return true;
  }
  Data* d = allocate(capacity);
  if (!d) return false;
  d->size = std::min(d_->size, capacity);
  memcpy(d->data, d_->data, d->size * sizeof(wchar_t));
  d->data[d->size] = 0;
  release(d_);
  d_ = d;
  return true;
}

bool KxString::reserveForChange(int n) {
  if (d_->ref == 1 && d_->alloc >= n && isInline()) return true;
  return reallocate(grownCapacity(n));
}

bool KxString::operator==(const KxString& other) const {
  return d_->size == other.d_->size &&
         (d_ == other.d_ || wmemcmp(d_->data, other.d_->data, d_->size) == 0);
}

bool KxString::operator==(const wchar_t* text) const {
  if (!text) return d_->size == 0;
  int i = 0;
  for (; i < d_->size; ++i)
    if (text[i] == 0 || text[i] != d_->data[i]) return false;  // never past text's end
  return text[i] == 0;
}

int KxString::compare(const KxString& other) const {
  if (d_ == other.d_) return 0;
  int common = std::min(d_->size, other.d_->size);
  for (int i = 0; i < common; ++i)
    if (d_->data[i] != other.d_->data[i]) return d_->data[i] < other.d_->data[i] ? -1 : 1;
  return d_->size - other.d_->size;
}

int KxString::indexOf(wchar_t c, int from) const {
  if (from < 0) from = std::max(from + d_->size, 0);
  for (int i = from; i < d_->size; ++i)
    if (d_->data[i] == c) return i;
  return -1;
}

int KxString::indexOf(const KxString& text, int from) const {
  if (from < 0) from = std::max(from + d_->size, 0);
  if (d_->size == 0 || from >= d_->size) return -1;
  int n = text.d_->size;
  for (int i = from; i + n <= d_->size; ++i)
    if (wmemcmp(d_->data + i, text.d_->data, n) == 0) return i;
  return -1;
}

int KxString::lastIndexOf(wchar_t c, int from) const {
  if (from < 0) from += d_->size;
  if (from >= d_->size) from = d_->size - 1;
  for (int i = from; i >= 0; --i)
    if (d_->data[i] == c) return i;
  return -1;
}

KxString& KxString::append(const KxString& text) {
  if (text.d_->size == 0) return *this;
  if (isNull()) return *this = text;
  KxString keep(text);  // text may be this very string, whose block is about to move
  int size = d_->size;
  if (!reserveForChange(size + keep.d_->size)) return *this;
  memcpy(d_->data + size, keep.d_->data, keep.d_->size * sizeof(wchar_t));
  d_->size = size + keep.d_->size;
  d_->data[d_->size] = 0;
  return *this;
}

KxString& KxString::append(wchar_t c) {
  int size = d_->size;
  if (!reserveForChange(size + 1)) return *this;
  d_->data[size] = c;
  d_->size = size + 1;
  d_->data[size + 1] = 0;
  return *this;
}

KxString& KxString::append(const wchar_t* text) {
  if (!text || !*text) return *this;
  return append(KxString(text));
}

KxString KxString::left(int n) const {
  if (n < 0 || n >= d_->size) return *this;
  return KxString(d_->data, n);
}

KxString KxString::right(int n) const {
  if (n < 0 || n >= d_->size) return *this;
  return KxString(d_->data + d_->size - n, n);
}

KxString KxString::mid(int position, int n) const {
  if (isNull() || position >= d_->size) return KxString();
  if (n < 0) n = d_->size - position;
  if (position < 0) {
    n += position;
    position = 0;
  }
  if (n > d_->size - position) n = d_->size - position;
  if (position == 0 && n == d_->size) return *this;
  if (n <= 0) return KxString(d_->data, 0);
  return KxString(d_->data + position, n);
}

KxString& KxString::replace(const KxString& before, const KxString& after) {
  int n = before.length();
  if (n == 0 || indexOf(before) < 0) return *this;
  KxString result(L"", 0);
  int from = 0;
  for (int at = indexOf(before); at >= 0; at = indexOf(before, from)) {
    result.append(KxString(d_->data + from, at - from));
    result.append(after);
    from = at + n;
  }
  result.append(KxString(d_->data + from, d_->size - from));
  return *this = result;
}

KxString KxString::toUpper() const {
  KxString upper(*this);
  if (upper.isEmpty()) return upper;
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.length()));
  return upper;
}

void KxString::resize(int n) {
  if (n <= 0) {
    *this = KxString(d_->data, 0);
    return;
  }
  int size = d_->size;
  if (!reserveForChange(n)) return;
  if (n > size) wmemset(d_->data + size, 0, n - size);
  d_->size = n;
  d_->data[n] = 0;
}

void KxString::clear() { *this = KxString(); }

KxString operator+(const KxString& a, const KxString& b) {
  KxString sum(a);
  sum.append(b);
  return sum;
}
