#include "KxWeakRef.h"

#include "KxWeakRefTable.h"

#include <utility>

KxWeakRef::KxWeakRef(KxRttiObject* object)
    : block_(object ? KxWeakRefTable::instance().acquire(object) : nullptr) {}

KxWeakRef::KxWeakRef(const KxWeakRef& other) : block_(other.block_) {
  if (block_) ++block_->count;
}

KxWeakRef& KxWeakRef::operator=(const KxWeakRef& other) {
  if (other.block_) ++other.block_->count;
  reset();
  block_ = other.block_;
  return *this;
}

KxWeakRef::KxWeakRef(KxWeakRef&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}

KxWeakRef& KxWeakRef::operator=(KxWeakRef&& other) noexcept {
  std::swap(block_, other.block_);
  return *this;
}

KxWeakRef::~KxWeakRef() { reset(); }

void KxWeakRef::reset() {
  if (!block_) return;
  KxWeakRefTable::instance().release(std::exchange(block_, nullptr));
}

KxRttiObject* KxWeakRef::get() const { return block_ ? block_->object : nullptr; }
