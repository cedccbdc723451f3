#pragma once

#include "base/KxString.h"

#include <cstdint>
#include <map>
#include <unordered_map>

class KxClassInfo;

// Every class record of the process, by name and by code. Insertion is first-come: a name or
// code already present is never replaced. Created on first use, released at exit; used on the
// UI thread only.
class KxClassRegistry {
 public:
  static KxClassRegistry& instance();

  bool contains(const KxString& name) const;
  // Null for an unknown name or code.
  const KxClassInfo* find(const KxString& name) const;
  const KxClassInfo* findCode(uint32_t code) const;
  bool containsCode(uint32_t code) const;
  // Enters info under name and code unless the code is taken (then under neither); a taken
  // name keeps its first record. True when the record went in under its code.
  bool insert(const KxClassInfo* info, const KxString& name, uint32_t code);

 private:
  std::map<KxString, const KxClassInfo*> byName_;
  std::unordered_map<uint32_t, const KxClassInfo*> byCode_;
};
