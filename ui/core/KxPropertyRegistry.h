#pragma once

#include "KxVariant.h"

#include <atomic>
#include <map>
#include <string>

class KxRttiObject;

using KxPropertyGetter = KxVariant (*)(const KxRttiObject* object);
using KxPropertySetter = void (*)(KxRttiObject* object, const KxVariant& value);

struct KxPropertyAccessor {
  KxPropertyGetter getter = nullptr;
  KxPropertySetter setter = nullptr;
};

// The process's named properties with accessors, by name ("opacity"). Classes register theirs
// once, from the hook their objects run before the first property access; names without an
// accessor live in each object's KxDynamicProperties. Created on first use; UI thread only.
class KxPropertyRegistry {
 public:
  static KxPropertyRegistry& instance();

  // First registration wins; false when the name already has an accessor or one is missing.
  bool registerProperty(const std::string& name, KxPropertyGetter getter,
                        KxPropertySetter setter);
  // Null for a name without an accessor.
  const KxPropertyAccessor* find(const std::string& name) const;

 private:
  std::map<std::string, KxPropertyAccessor> accessors_;
};
