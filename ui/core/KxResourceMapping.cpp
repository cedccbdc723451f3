#include "KxResourceMapping.h"

KX_IMPLEMENT_CLASS(KxResourceMapping, KxRttiObject)

bool KxResourceMapping::contains(const KxUrl& url) const { return find(url) != nullptr; }

KxByteArray KxResourceMapping::get(const KxUrl& url) const {
  const KxByteArray* bytes = find(url);
  return bytes ? *bytes : KxByteArray();
}

void KxResourceMapping::add(const KxUrl& url, const KxByteArray& bytes) {
  entries_[url.toString()] = bytes;
}

const KxByteArray* KxResourceMapping::find(const KxUrl& url) const {
  auto it = entries_.find(url.toString());
  return it == entries_.end() ? nullptr : &it->second;
}
