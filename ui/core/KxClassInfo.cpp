#include "KxClassInfo.h"

#include "KxClassRegistry.h"
#include "KxRttiObject.h"

namespace {

uint32_t g_lastAutomaticCode = 0;

}  // namespace

KxClassInfo::KxClassInfo(const wchar_t* name, const KxClassInfo* base, uint32_t code,
                         KxFactory factory, int instanceSize)
    : name_(name), base_(base), code_(code ? code : ++g_lastAutomaticCode), factory_(factory),
      instanceSize_(instanceSize) {
  KxClassRegistry& registry = KxClassRegistry::instance();
  if (!registry.containsCode(code_)) registry.insert(this, name_, code_);
}

bool KxClassInfo::isKindOf(const KxClassInfo* other) const {
  for (const KxClassInfo* info = this; info; info = info->base_)
    if (info == other) return true;
  return false;
}

KxRttiObject* KxClassInfo::create() const { return factory_ ? factory_() : nullptr; }

bool kxRegisterClass(const wchar_t* name, const KxClassInfo* (*accessor)()) {
  KxClassRegistry& registry = KxClassRegistry::instance();
  if (registry.contains(KxString(name))) return true;
  const KxClassInfo* info = accessor();
  if (!info) return false;
  registry.insert(info, info->name(), info->code());
  return true;
}
