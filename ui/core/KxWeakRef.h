#pragma once

#include "KxRttiObject.h"

struct KxWeakBlock;

// A reference to a framework object that may be destroyed first: it reads null from then on.
// It never keeps the object alive. UI thread only.
class KxWeakRef {
 public:
  KxWeakRef() = default;
  // A null object gives an empty reference.
  explicit KxWeakRef(KxRttiObject* object);
  static KxWeakRef make(KxRttiObject* object) { return KxWeakRef(object); }
  KxWeakRef(const KxWeakRef& other);
  KxWeakRef& operator=(const KxWeakRef& other);
  KxWeakRef(KxWeakRef&& other) noexcept;
  KxWeakRef& operator=(KxWeakRef&& other) noexcept;
  ~KxWeakRef();

  void reset();
  KxRttiObject* get() const;
  bool isNull() const { return get() == nullptr; }
  // The object if it is alive and of class T or a subclass.
  template <typename T>
  T* as() const {
    return kxCast<T>(get());
  }

 private:
  KxWeakBlock* block_ = nullptr;
};
