#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

class KxRttiObject;

// The shared block of the weak references to one object: the object (null once it is gone)
// and how many references hold the block.
struct KxWeakBlock {
  KxRttiObject* object = nullptr;
  int32_t count = 0;
};

// The process's weak-reference bookkeeping: live objects to their blocks, and the blocks whose
// object went away (or whose last reference let go), kept for reuse and swept when they pile
// up. UI thread only.
class KxWeakRefTable {
 public:
  static KxWeakRefTable& instance();
  // Called by every destroyed framework object; does nothing until a weak reference was made.
  static void detachObject(const KxRttiObject* object);

  // The object's block with one more holder; a count-0 detached block is reused first.
  KxWeakBlock* acquire(KxRttiObject* object);
  // One holder less; the last one detaches a still-live object (which stays alive).
  void release(KxWeakBlock* block);
  void detach(const KxRttiObject* object);

  int detachedCount() const { return static_cast<int>(detached_.size()); }
  int sweepThreshold() const { return static_cast<int>(threshold_); }

 private:
  KxWeakBlock* takeBlock();
  void sweep();

  std::unordered_map<const KxRttiObject*, KxWeakBlock*> blocks_;
  std::vector<KxWeakBlock*> detached_;
  size_t threshold_ = 1000;
};
