#include "KxVariant.h"

#include "base/MemPool.h"

#include <cstring>
#include <new>

size_t KxVariant::blockSize(uint32_t type) {
  switch (type) {
    case RectF: return sizeof(KxRectF);
    case Rect: return sizeof(KxRect);
    case PointF: return sizeof(KxPointF);
    case Point: return sizeof(KxPoint);
    case SizeF: return sizeof(KxSizeF);
    case Size: return sizeof(KxSize);
    case String: return sizeof(KxString);
    case Bytes16: return 16;
    default: return 0;
  }
}

KxVariant::KxVariant(bool value) : tag_(Bool) { payload_.u8 = value ? 1 : 0; }
KxVariant::KxVariant(int value) : tag_(Int) { payload_.i32 = value; }
KxVariant::KxVariant(unsigned value) : tag_(UInt) { payload_.u32 = value; }
KxVariant::KxVariant(double value) : tag_(Double) { payload_.f64 = value; }
KxVariant::KxVariant(float value) : tag_(Float) { payload_.f64 = value; }
KxVariant::KxVariant(long long value) : tag_(LongLong) { payload_.i64 = value; }
KxVariant::KxVariant(unsigned long long value) : tag_(ULongLong) { payload_.u64 = value; }
KxVariant::KxVariant(KxRttiObject* object) : tag_(Object) { payload_.object = object; }
KxVariant::KxVariant(const KxRectF& value) { setBlockValue(RectF, &value); }
KxVariant::KxVariant(const KxRect& value) { setBlockValue(Rect, &value); }
KxVariant::KxVariant(const KxPointF& value) { setBlockValue(PointF, &value); }
KxVariant::KxVariant(const KxPoint& value) { setBlockValue(Point, &value); }
KxVariant::KxVariant(const KxSizeF& value) { setBlockValue(SizeF, &value); }
KxVariant::KxVariant(const KxSize& value) { setBlockValue(Size, &value); }
KxVariant::KxVariant(const KxString& value) { setBlockValue(String, &value); }

KxVariant KxVariant::fromChar(char value) {
  KxVariant v;
  v.tag_ = Char;
  v.payload_.i8 = static_cast<int8_t>(value);
  return v;
}

KxVariant KxVariant::fromUChar(unsigned char value) {
  KxVariant v;
  v.tag_ = UChar;
  v.payload_.u8 = value;
  return v;
}

KxVariant KxVariant::fromBytes16(const void* data) {
  KxVariant v;
  v.setBlockValue(Bytes16, data);
  return v;
}

// Stores value (of type's own C++ type) and makes the variant of that type, keeping the mark.
// The block of a variant of the same type is reused.
void KxVariant::setBlockValue(Type type, const void* value) {
  if (this->type() != type || isEmpty() || !payload_.block) {
    releaseBlock();
    payload_.block = mp_alloc(blockSize(type));
    if (!payload_.block) {
      tag_ = (tag_ & kMarkBit) | kEmptyBit;
      return;
    }
    if (type == String) new (payload_.block) KxString();
  }
  if (type == String)
    *static_cast<KxString*>(payload_.block) = *static_cast<const KxString*>(value);
  else
    memcpy(payload_.block, value, blockSize(type));
  tag_ = (tag_ & kMarkBit) | type;
}

void KxVariant::releaseBlock() {
  if (isEmpty() || !hasBlock(type())) return;
  if (type() == String) static_cast<KxString*>(payload_.block)->~KxString();
  mp_free(payload_.block);
  payload_.block = nullptr;
}

KxVariant::KxVariant(const KxVariant& other) { *this = other; }

KxVariant& KxVariant::operator=(const KxVariant& other) {
  if (this == &other) return *this;
  if (!other.isEmpty() && hasBlock(other.type())) {
    setBlockValue(other.type(), other.payload_.block);
    return *this;
  }
  releaseBlock();
  payload_ = other.payload_;
  tag_ = (tag_ & kMarkBit) | (other.tag_ & ~kMarkBit);
  return *this;
}

KxVariant::~KxVariant() { releaseBlock(); }

void KxVariant::setMarked(bool marked) {
  tag_ = marked ? (tag_ | kMarkBit) : (tag_ & ~kMarkBit);
}

namespace {

bool report(bool* ok, bool value) {
  if (ok) *ok = value;
  return value;
}

}  // namespace

bool KxVariant::toBool(bool* ok) const {
  return report(ok, !isEmpty() && type() == Bool) && payload_.u8 != 0;
}

char KxVariant::toChar(bool* ok) const {
  return report(ok, !isEmpty() && type() == Char) ? static_cast<char>(payload_.i8) : 0;
}

unsigned char KxVariant::toUChar(bool* ok) const {
  return report(ok, !isEmpty() && type() == UChar) ? payload_.u8 : 0;
}

double KxVariant::toDouble(bool* ok) const {
  if (!isEmpty()) {
    switch (type()) {
      case Int: return report(ok, true), payload_.i32;
      case UInt: return report(ok, true), payload_.u32;
      case Double:
      case Float: return report(ok, true), payload_.f64;
      case LongLong: return report(ok, true), static_cast<double>(payload_.i64);
      case ULongLong: return report(ok, true), static_cast<double>(payload_.u64);
      default: break;
    }
  }
  report(ok, false);
  return 0;
}

long long KxVariant::toLongLong(bool* ok) const {
  if (!isEmpty()) {
    switch (type()) {
      case Int: return report(ok, true), payload_.i32;
      case UInt: return report(ok, true), payload_.u32;
      case Double:
      case Float: return report(ok, true), static_cast<long long>(payload_.f64);
      case LongLong: return report(ok, true), payload_.i64;
      case ULongLong: return report(ok, true), static_cast<long long>(payload_.u64);
      default: break;
    }
  }
  report(ok, false);
  return 0;
}

int KxVariant::toInt(bool* ok) const { return static_cast<int>(toLongLong(ok)); }
unsigned KxVariant::toUInt(bool* ok) const { return static_cast<unsigned>(toULongLong(ok)); }

unsigned long long KxVariant::toULongLong(bool* ok) const {
  if (!isEmpty() && type() == ULongLong) return report(ok, true), payload_.u64;
  return static_cast<unsigned long long>(toLongLong(ok));
}

KxRttiObject* KxVariant::toObject() const {
  return !isEmpty() && type() == Object ? payload_.object : nullptr;
}

template <typename T>
T KxVariant::blockValue(Type type) const {
  if (isEmpty() || this->type() != type) return T();
  return *static_cast<const T*>(payload_.block);
}

KxRectF KxVariant::toRectF() const { return blockValue<KxRectF>(RectF); }
KxRect KxVariant::toRect() const { return blockValue<KxRect>(Rect); }
KxPointF KxVariant::toPointF() const { return blockValue<KxPointF>(PointF); }
KxPoint KxVariant::toPoint() const { return blockValue<KxPoint>(Point); }
KxSizeF KxVariant::toSizeF() const { return blockValue<KxSizeF>(SizeF); }
KxSize KxVariant::toSize() const { return blockValue<KxSize>(Size); }
KxString KxVariant::toString() const { return blockValue<KxString>(String); }

bool KxVariant::toBytes16(void* data) const {
  if (isEmpty() || type() != Bytes16) return false;
  memcpy(data, payload_.block, 16);
  return true;
}

bool KxVariant::operator==(const KxVariant& other) const {
  if (isEmpty() || other.isEmpty()) return isEmpty() == other.isEmpty();
  if (type() != other.type()) return false;
  if (type() == String) return toString() == other.toString();
  if (hasBlock(type())) return memcmp(payload_.block, other.payload_.block, blockSize(type())) == 0;
  switch (type()) {
    case Char:
    case UChar:
    case Bool: return payload_.u8 == other.payload_.u8;
    case Int:
    case UInt: return payload_.u32 == other.payload_.u32;
    case Object: return payload_.object == other.payload_.object;
    default: return payload_.u64 == other.payload_.u64;
  }
}
