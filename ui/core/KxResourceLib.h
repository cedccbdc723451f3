#pragma once

#include "KxResourceMapping.h"
#include "KxRttiObject.h"
#include "KxUrl.h"

#include "base/KxByteArray.h"
#include "base/KxString.h"

#include <map>
#include <memory>

// The resource mappings by scheme: "dll" (files compiled into the program) and "file" (the
// disk) from the start, others by registerScheme. Process-wide, created on first use, kept
// until exit. UI thread only.
class KxResourceLib : public KxRttiObject {
  KX_CLASS(KxResourceLib)

 public:
  KxResourceLib();
  static KxResourceLib* instance();

  // Creates and keeps an instance of mappingClass for scheme. False when the scheme is bound
  // already or the class is not a resource mapping.
  bool registerScheme(const KxString& scheme, const KxClassInfo* mappingClass);
  // Null for an unbound scheme.
  KxResourceMapping* mapping(const KxString& scheme) const;
  // The bytes the URL's mapping has for it; empty without a mapping.
  KxByteArray load(const KxUrl& url) const;

 private:
  std::map<KxString, std::unique_ptr<KxResourceMapping>> mappings_;
};
