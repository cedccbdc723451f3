#include "KxClassRegistry.h"

#include "KxSingleton.h"

#include <cstdlib>

namespace {

std::atomic<KxClassRegistry*> g_registry{nullptr};

void releaseRegistry() { delete g_registry.exchange(nullptr); }

}  // namespace

KxClassRegistry& KxClassRegistry::instance() {
  bool created = false;
  KxClassRegistry* registry = kxPublishOnce(g_registry, &created);
  if (created) atexit(releaseRegistry);
  return *registry;
}

bool KxClassRegistry::contains(const KxString& name) const { return byName_.count(name) != 0; }

const KxClassInfo* KxClassRegistry::find(const KxString& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

const KxClassInfo* KxClassRegistry::findCode(uint32_t code) const {
  auto it = byCode_.find(code);
  return it == byCode_.end() ? nullptr : it->second;
}

bool KxClassRegistry::containsCode(uint32_t code) const { return byCode_.count(code) != 0; }

bool KxClassRegistry::insert(const KxClassInfo* info, const KxString& name, uint32_t code) {
  if (containsCode(code)) return false;
  byCode_.emplace(code, info);
  byName_.emplace(name, info);
  return true;
}
