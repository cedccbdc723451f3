// Started by the memory pool's tests with and without "/disablemempool": tells by its exit code
// whether every pool operation used the pool (10) or the general heap (20); 30 if they disagree.
#include "base/MemPool.h"

#include <cstring>

int wmain() {
  void* small = mp_alloc(20);
  bool pooled = mp_owns(small);
  bool sized = mp_size(small) == (pooled ? 24u : 20u);
  memset(small, 1, 20);
  void* grown = mp_realloc(small, 24);
  bool kept = pooled ? grown == small : !mp_owns(grown);
  mp_free(grown);
  if (!sized || !kept) return 30;
  return pooled ? 10 : 20;
}
