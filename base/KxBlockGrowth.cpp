#include "KxBlockGrowth.h"

namespace {

int roundUp(int value, int step) { return (value + step - 1) / step * step; }

}  // namespace

int kxGrownBlockBytes(int neededBytes) {
  if (neededBytes < 64) return roundUp(neededBytes, 16);
  if (neededBytes < 4096) return roundUp(neededBytes, 64);
  return roundUp(neededBytes, 4096);
}
