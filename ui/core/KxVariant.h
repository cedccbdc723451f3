#pragma once

#include "KxGeometry.h"

#include "base/KxString.h"

#include <cstdint>

class KxRttiObject;

// A tagged value for properties and item change notifications: an 8-byte payload and a 32-bit
// tag. The tag's low 30 bits give the type, the top bit marks an empty variant, and bit 30 is a
// mark of the variable itself, kept when another value is assigned. Types from RectF on keep
// their value in a block of their own, reused by assignments of the same type.
class KxVariant {
 public:
  enum Type : uint32_t {
    Invalid = 0,
    Char = 1,
    UChar = 2,
    Bool = 3,
    Int = 4,
    UInt = 5,
    Double = 6,
    Float = 7,  // held as a double
    LongLong = 8,
    ULongLong = 9,
    Object = 10,
    RectF = 11,
    Rect = 12,
    PointF = 13,
    Point = 14,
    SizeF = 15,
    Size = 16,
    String = 17,
    Bytes16 = 18,
  };
  static constexpr uint32_t kEmptyBit = 0x80000000u;
  static constexpr uint32_t kMarkBit = 0x40000000u;
  static constexpr uint32_t kTypeMask = 0x3FFFFFFFu;

  KxVariant() = default;
  KxVariant(bool value);
  KxVariant(int value);
  KxVariant(unsigned value);
  KxVariant(double value);
  KxVariant(float value);
  KxVariant(long long value);
  KxVariant(unsigned long long value);
  KxVariant(KxRttiObject* object);
  KxVariant(const KxRectF& value);
  KxVariant(const KxRect& value);
  KxVariant(const KxPointF& value);
  KxVariant(const KxPoint& value);
  KxVariant(const KxSizeF& value);
  KxVariant(const KxSize& value);
  KxVariant(const KxString& value);
  static KxVariant fromChar(char value);
  static KxVariant fromUChar(unsigned char value);
  // 16 bytes copied from data.
  static KxVariant fromBytes16(const void* data);
  KxVariant(const KxVariant& other);
  KxVariant& operator=(const KxVariant& other);
  ~KxVariant();

  Type type() const { return static_cast<Type>(tag_ & kTypeMask); }
  bool isEmpty() const { return (tag_ & kEmptyBit) != 0; }
  bool isMarked() const { return (tag_ & kMarkBit) != 0; }
  void setMarked(bool marked);

  // One-byte values convert only from their own type; ok, if given, tells whether it did.
  bool toBool(bool* ok = nullptr) const;
  char toChar(bool* ok = nullptr) const;
  unsigned char toUChar(bool* ok = nullptr) const;
  // Numbers convert between the numeric types 4 to 9 (doubles truncated).
  int toInt(bool* ok = nullptr) const;
  unsigned toUInt(bool* ok = nullptr) const;
  long long toLongLong(bool* ok = nullptr) const;
  unsigned long long toULongLong(bool* ok = nullptr) const;
  double toDouble(bool* ok = nullptr) const;
  // The others need their own type; a default value otherwise.
  KxRttiObject* toObject() const;
  KxRectF toRectF() const;
  KxRect toRect() const;
  KxPointF toPointF() const;
  KxPoint toPoint() const;
  KxSizeF toSizeF() const;
  KxSize toSize() const;
  KxString toString() const;
  // Copies the 16 bytes of a Bytes16 value; false for any other type.
  bool toBytes16(void* data) const;

  // Same type and same value; two empty variants are equal.
  bool operator==(const KxVariant& other) const;
  bool operator!=(const KxVariant& other) const { return !(*this == other); }

 private:
  static bool hasBlock(uint32_t type) { return type >= RectF && type <= Bytes16; }
  static size_t blockSize(uint32_t type);
  void setBlockValue(Type type, const void* value);
  template <typename T>
  T blockValue(Type type) const;
  void releaseBlock();

  uint32_t tag_ = kEmptyBit;
  union {
    int8_t i8;
    uint8_t u8;
    int32_t i32;
    uint32_t u32;
    double f64;
    int64_t i64;
    uint64_t u64;
    KxRttiObject* object;
    void* block;
  } payload_ = {};
};
