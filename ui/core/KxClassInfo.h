#pragma once

#include "base/KxString.h"

#include <cstdint>

class KxRttiObject;
using KxFactory = KxRttiObject* (*)();

// The run-time record of one framework class: name, base record, 32-bit code, factory and
// instance size. One per class, built on first use of the class's accessor (base records first)
// and never freed. Used on the UI thread only.
class KxClassInfo {
 public:
  // Registers the record with the class registry. Code 0 takes the next automatic code (1, 2,
  // 3 ... in order of construction); a code already taken leaves the record unregistered.
  KxClassInfo(const wchar_t* name, const KxClassInfo* base, uint32_t code, KxFactory factory,
              int instanceSize);
  KxClassInfo(const KxClassInfo&) = delete;
  KxClassInfo& operator=(const KxClassInfo&) = delete;

  const KxString& name() const { return name_; }
  // Null only for KxRttiObject.
  const KxClassInfo* base() const { return base_; }
  uint32_t code() const { return code_; }
  // Null for abstract classes.
  KxFactory factory() const { return factory_; }
  int instanceSize() const { return instanceSize_; }

  // True when this record is other or derives from it.
  bool isKindOf(const KxClassInfo* other) const;
  // A default-constructed instance from the pool; null for an abstract class or when the pool
  // has no memory.
  KxRttiObject* create() const;

 private:
  KxString name_;
  const KxClassInfo* base_;
  uint32_t code_;
  KxFactory factory_;
  int instanceSize_;
};

// The static registration of one class, run before the program's entry: if the registry has no
// class of that name, builds the record through accessor and enters it. True on success, also
// when the name was there already.
bool kxRegisterClass(const wchar_t* name, const KxClassInfo* (*accessor)());
