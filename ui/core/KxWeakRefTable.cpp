#include "KxWeakRefTable.h"

#include "KxSingleton.h"

namespace {

constexpr size_t kMinThreshold = 1000;

std::atomic<KxWeakRefTable*> g_table{nullptr};

}  // namespace

KxWeakRefTable& KxWeakRefTable::instance() { return *kxPublishOnce(g_table); }

void KxWeakRefTable::detachObject(const KxRttiObject* object) {
  if (KxWeakRefTable* table = g_table.load()) table->detach(object);
}

KxWeakBlock* KxWeakRefTable::acquire(KxRttiObject* object) {
  KxWeakBlock*& block = blocks_[object];
  if (!block) {
    block = takeBlock();
    block->object = object;
  }
  ++block->count;
  return block;
}

KxWeakBlock* KxWeakRefTable::takeBlock() {
  for (size_t i = detached_.size(); i-- > 0;) {
    KxWeakBlock* block = detached_[i];
    if (block->count == 0) {
      detached_.erase(detached_.begin() + i);
      return block;
    }
  }
  return new KxWeakBlock;
}

void KxWeakRefTable::release(KxWeakBlock* block) {
  if (block->count-- != 1) return;
  if (block->object) detach(block->object);
}

void KxWeakRefTable::detach(const KxRttiObject* object) {
  auto it = blocks_.find(object);
  if (it == blocks_.end()) return;
  KxWeakBlock* block = it->second;
  blocks_.erase(it);
  block->object = nullptr;
  detached_.push_back(block);
  sweep();
}

void KxWeakRefTable::sweep() {
  if (detached_.size() <= threshold_) return;
  size_t before = detached_.size();
  for (size_t i = detached_.size(); i-- > 0;) {
    if (detached_[i]->count != 0) continue;
    delete detached_[i];
    detached_.erase(detached_.begin() + i);
  }
  if (detached_.size() < before)
    threshold_ = detached_.size() > kMinThreshold ? detached_.size() : kMinThreshold;
  else
    threshold_ *= 2;
}
