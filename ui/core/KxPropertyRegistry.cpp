#include "KxPropertyRegistry.h"

#include "KxSingleton.h"

namespace {

std::atomic<KxPropertyRegistry*> g_properties{nullptr};

}  // namespace

KxPropertyRegistry& KxPropertyRegistry::instance() { return *kxPublishOnce(g_properties); }

bool KxPropertyRegistry::registerProperty(const std::string& name, KxPropertyGetter getter,
                                          KxPropertySetter setter) {
  if (!getter || !setter) return false;
  return accessors_.emplace(name, KxPropertyAccessor{getter, setter}).second;
}

const KxPropertyAccessor* KxPropertyRegistry::find(const std::string& name) const {
  auto it = accessors_.find(name);
  return it == accessors_.end() ? nullptr : &it->second;
}
