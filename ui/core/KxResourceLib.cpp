#include "KxResourceLib.h"

#include "KxResourceMappingDLL.h"
#include "KxResourceMappingFile.h"
#include "KxSingleton.h"

#include <atomic>

KX_IMPLEMENT_CLASS(KxResourceLib, KxRttiObject)

namespace {

std::atomic<KxResourceLib*> g_resourceLib{nullptr};

}  // namespace

KxResourceLib::KxResourceLib() {
  registerScheme(KxString(L"dll"), KxResourceMappingDLL::staticClassInfo());
  registerScheme(KxString(L"file"), KxResourceMappingFile::staticClassInfo());
}

KxResourceLib* KxResourceLib::instance() { return kxPublishOnce(g_resourceLib); }

bool KxResourceLib::registerScheme(const KxString& scheme, const KxClassInfo* mappingClass) {
  if (!mappingClass || mappings_.count(scheme)) return false;
  if (!mappingClass->isKindOf(KxResourceMapping::staticClassInfo())) return false;
  std::unique_ptr<KxResourceMapping> mapping(
      static_cast<KxResourceMapping*>(mappingClass->create()));
  if (!mapping) return false;
  mappings_[scheme] = std::move(mapping);
  return true;
}

KxResourceMapping* KxResourceLib::mapping(const KxString& scheme) const {
  auto it = mappings_.find(scheme);
  return it == mappings_.end() ? nullptr : it->second.get();
}

KxByteArray KxResourceLib::load(const KxUrl& url) const {
  KxResourceMapping* m = mapping(url.scheme());
  return m ? m->get(url) : KxByteArray();
}
