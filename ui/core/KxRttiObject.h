#pragma once

#include "KxClassCodes.h"
#include "KxClassInfo.h"

#include <cstddef>

// The root of every framework class. Type identity comes from the class records, not from the
// language: kind-of tests, checked casts, event typing and creation by record all go through
// classInfo. Instances live in the memory pool; weak references to an object read null once it
// is destroyed.
class KxRttiObject {
 public:
  KxRttiObject() = default;
  // The record of the object's exact class.
  virtual const KxClassInfo* classInfo() const;
  // Detaches the object's weak references.
  virtual ~KxRttiObject();

  static const KxClassInfo* staticClassInfo();

  bool isKindOf(const KxClassInfo* info) const { return classInfo()->isKindOf(info); }
  // Looks the class up by name; an unknown name yields false.
  bool inherits(const KxString& className) const;

  // The size asked for is the instance size of the class record. A pool without memory gives a
  // null object rather than an exception.
  static void* operator new(size_t size) noexcept;
  static void operator delete(void* block) noexcept;
};

// The object itself if it is non-null and of class T or a subclass, else null.
template <typename T>
T* kxCast(KxRttiObject* object) {
  return object && object->isKindOf(T::staticClassInfo()) ? static_cast<T*>(object) : nullptr;
}

template <typename T>
const T* kxCast(const KxRttiObject* object) {
  return object && object->isKindOf(T::staticClassInfo()) ? static_cast<const T*>(object)
                                                          : nullptr;
}

// In a framework class's body: its record accessor and the classInfo override.
#define KX_CLASS(cls)                              \
 public:                                           \
  static const KxClassInfo* staticClassInfo();     \
  const KxClassInfo* classInfo() const override;   \
                                                   \
 private:

#define KX_CLASS_WIDE2(text) L##text
#define KX_CLASS_WIDE(text) KX_CLASS_WIDE2(text)

// The record of cls, built on first use from its base's record, and the static registration.
#define KX_IMPLEMENT_CLASS_RECORD(cls, base, code, factory)                                 \
  const KxClassInfo* cls::staticClassInfo() {                                               \
    static const KxClassInfo* info = new KxClassInfo(                                       \
        KX_CLASS_WIDE(#cls), base::staticClassInfo(), code, factory, sizeof(cls));          \
    return info;                                                                            \
  }                                                                                         \
  const KxClassInfo* cls::classInfo() const { return staticClassInfo(); }                   \
  namespace {                                                                               \
  const bool kxRegistered##cls = kxRegisterClass(KX_CLASS_WIDE(#cls), &cls::staticClassInfo); \
  }

#define KX_CLASS_FACTORY(cls) []() -> KxRttiObject* { return new cls; }

// A class of the code table with a default constructor.
#define KX_IMPLEMENT_CLASS(cls, base) \
  KX_IMPLEMENT_CLASS_RECORD(cls, base, KxClassCodes::cls, KX_CLASS_FACTORY(cls))
// A class of the code table that cannot be created by record.
#define KX_IMPLEMENT_ABSTRACT_CLASS(cls, base) \
  KX_IMPLEMENT_CLASS_RECORD(cls, base, KxClassCodes::cls, nullptr)
// A class with an automatic code (the event classes).
#define KX_IMPLEMENT_AUTO_CODE_CLASS(cls, base) \
  KX_IMPLEMENT_CLASS_RECORD(cls, base, 0, KX_CLASS_FACTORY(cls))
