#include "KxRttiObject.h"

#include "KxClassRegistry.h"
#include "KxWeakRefTable.h"

#include "base/MemPool.h"

const KxClassInfo* KxRttiObject::staticClassInfo() {
  static const KxClassInfo* info =
      new KxClassInfo(L"KxRttiObject", nullptr, KxClassCodes::KxRttiObject,
                      []() -> KxRttiObject* { return new KxRttiObject; }, sizeof(KxRttiObject));
  return info;
}

namespace {
const bool kxRegisteredKxRttiObject =
    kxRegisterClass(L"KxRttiObject", &KxRttiObject::staticClassInfo);
}  // namespace

const KxClassInfo* KxRttiObject::classInfo() const { return staticClassInfo(); }

KxRttiObject::~KxRttiObject() { KxWeakRefTable::detachObject(this); }

bool KxRttiObject::inherits(const KxString& className) const {
  const KxClassInfo* info = KxClassRegistry::instance().find(className);
  return info && isKindOf(info);
}

void* KxRttiObject::operator new(size_t size) noexcept { return mp_alloc(size); }

void KxRttiObject::operator delete(void* block) noexcept { mp_free(block); }
