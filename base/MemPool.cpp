#include "MemPool.h"

#include "CommandLine.h"
#include "WideFormat.h"

#include <windows.h>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// The page map below covers the whole 32-bit address space in 64 KiB steps.
static_assert(sizeof(void*) == 4, "the memory pool is built for 32-bit processes");

namespace {

constexpr size_t kMaxPooled = 256;
constexpr int kClassCount = 13;
constexpr LONG kMaxChunks = 1024;
constexpr size_t kMinChunkSize = 128 * 1024;
constexpr size_t kMaxChunkSize = 1024 * 1024;
constexpr uint16_t kGuard = 0xCDAB;
constexpr uint16_t kFreeBit = 0x0001;
constexpr uint16_t kReservedBits = 0x003E;
constexpr int kIndexShift = 6;
// Chunks come from VirtualAlloc, so they start on its 64 KiB granularity and span whole pages.
constexpr int kPageShift = 16;
constexpr size_t kPageCount = size_t(1) << (32 - kPageShift);
constexpr size_t kBlockSizes[kClassCount] = {8, 16, 24, 32, 48, 64, 80, 96, 128, 160, 192, 224, 256};

constexpr const wchar_t kAllocCorrupt[] = L"mp_alloc - detect block 0x%08X corrupt!";
constexpr const wchar_t kFreeCorrupt[] = L"mp_free - detect block 0x%08X corrupt!";
constexpr const wchar_t kNotInPool[] = L"mp_free - block 0x%08X not in mem pool!";
constexpr const wchar_t kRepeatFree[] = L"mp_free - repeat free block 0x%08X!";
constexpr const wchar_t kReportCaption[] = L"mem pool error dectect!";

struct Chunk {
  uint8_t* base;
  size_t size;
  int sizeClass;
  size_t blockSize;
  // The block stride is 4 x an odd number; multiplying by that number's inverse modulo 2^32
  // tests divisibility without a division on every free.
  uint32_t oddInverse;
  uint32_t quotientLimit;
};

uint32_t inverseOf(uint32_t odd) {
  uint32_t x = odd;  // Newton's iteration doubles the correct low bits each step
  for (int i = 0; i < 5; ++i) x *= 2 - odd * x;
  return x;
}

struct Pool {
  bool enabled;
  CRITICAL_SECTION lock;
  size_t lastChunkSize[kClassCount];
  uint8_t* freeHeaders[kClassCount];  // header address of each class's first free block
  Chunk chunks[kMaxChunks];
  volatile LONG chunkCount;
  uint16_t pageOwner[kPageCount];  // chunk index + 1 for every page a chunk covers, else 0
};

// Zero-initialised storage: usable during static construction, before any constructor ran.
Pool g_pool;
std::atomic<MemPoolReportSink> g_sink{nullptr};

bool initialise(Pool& p) {
  InitializeCriticalSection(&p.lock);
  wchar_t commandLine[260] = {};
  if (const wchar_t* line = GetCommandLineW()) wcsncpy(commandLine, line, 259);
  p.enabled = !containsNoCase(commandLine, L"/disablemempool");
  return true;
}

Pool& pool() {
  static const bool ready = initialise(g_pool);
  (void)ready;
  return g_pool;
}

class PoolLock {
 public:
  explicit PoolLock(Pool& p) : p_(p) { EnterCriticalSection(&p_.lock); }
  ~PoolLock() { LeaveCriticalSection(&p_.lock); }
  PoolLock(const PoolLock&) = delete;
  PoolLock& operator=(const PoolLock&) = delete;

 private:
  Pool& p_;
};

void defaultSink(const wchar_t* message) {
  MessageBoxW(nullptr, message, kReportCaption, MB_OK | MB_SERVICE_NOTIFICATION);
  // Without a debugger the breakpoint would end the process.
  if (IsDebuggerPresent()) DebugBreak();
}

// An error found under the lock, sent once the lock is left: the sink may show a window whose
// message loop allocates.
struct Report {
  const wchar_t* format = nullptr;
  const void* address = nullptr;

  void set(const wchar_t* f, const void* a) {
    if (!format) format = f, address = a;
  }
  void send() const {
    if (!format) return;
    wchar_t text[4096];
    formatWideInto(text, 4096, format, static_cast<unsigned>(reinterpret_cast<uintptr_t>(address)));
    MemPoolReportSink sink = g_sink.load();
    (sink ? sink : defaultSink)(text);
  }
};

int sizeClassOf(size_t n) {
  if (n == 0) n = 1;
  if (n <= 32) return static_cast<int>((n - 1) / 8);
  if (n <= 96) return static_cast<int>((n - 33) / 16 + 4);
  return static_cast<int>((n - 97) / 32 + 8);
}

uint16_t& headerOf(uint8_t* user) { return *reinterpret_cast<uint16_t*>(user - 2); }
uint16_t& guardOf(uint8_t* user, size_t blockSize) {
  return *reinterpret_cast<uint16_t*>(user + blockSize);
}
uint8_t*& nextFreeOf(uint8_t* user) { return *reinterpret_cast<uint8_t**>(user); }

// The chunk whose pages hold address, or null for memory the pool never made.
Chunk* chunkAt(Pool& p, const void* address) {
  uint16_t owner = p.pageOwner[reinterpret_cast<uintptr_t>(address) >> kPageShift];
  return owner ? &p.chunks[owner - 1] : nullptr;
}

// True when user is the start of one of c's blocks and its header names c.
bool isBlockStart(Pool& p, const Chunk& c, const uint8_t* user) {
  uint32_t offset = static_cast<uint32_t>(user - c.base);
  if (offset < 4 || offset + c.blockSize + 2 > c.size || (offset & 3) != 0) return false;
  if (((offset - 4) >> 2) * c.oddInverse > c.quotientLimit) return false;
  uint16_t header = *reinterpret_cast<const uint16_t*>(user - 2);
  return (header >> kIndexShift) == static_cast<uint16_t>(&c - p.chunks) &&
         (header & kReservedBits) == 0;
}

void addChunk(Pool& p, int sizeClass) {
  LONG index = p.chunkCount;
  if (index >= kMaxChunks) return;
  size_t size = p.lastChunkSize[sizeClass] * 2;
  if (size < kMinChunkSize) size = kMinChunkSize;
  if (size > kMaxChunkSize) size = kMaxChunkSize;
  auto* base = static_cast<uint8_t*>(VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT,
                                                  PAGE_READWRITE));
  if (!base) return;
  size_t blockSize = kBlockSizes[sizeClass];
  size_t stride = blockSize + 4;
  uint8_t* previous = nullptr;
  for (size_t offset = 2; offset + stride < size; offset += stride) {
    uint8_t* header = base + offset;
    *reinterpret_cast<uint16_t*>(header) = static_cast<uint16_t>((index << kIndexShift) | kFreeBit);
    guardOf(header + 2, blockSize) = kGuard;
    if (previous) nextFreeOf(previous + 2) = header;
    else p.freeHeaders[sizeClass] = header;
    previous = header;
  }
  uint32_t odd = static_cast<uint32_t>(stride / 4);
  p.chunks[index] = Chunk{base, size, sizeClass, blockSize, inverseOf(odd), 0xFFFFFFFFu / odd};
  uintptr_t first = reinterpret_cast<uintptr_t>(base) >> kPageShift;
  for (uintptr_t page = first; page < first + (size >> kPageShift); ++page)
    p.pageOwner[page] = static_cast<uint16_t>(index + 1);
  InterlockedIncrement(&p.chunkCount);
  p.lastChunkSize[sizeClass] = size;
}

// A link read from a free block is followed only when it leads to a block of the same class: a
// write into a freed block must not make the pool hand out arbitrary memory.
bool isFreeLink(Pool& p, uint8_t* header, int sizeClass) {
  if (!header) return true;
  Chunk* c = chunkAt(p, header + 2);
  return c && c->sizeClass == sizeClass && isBlockStart(p, *c, header + 2);
}

uint8_t* popFreeBlock(Pool& p, int sizeClass, Report& report) {
  uint8_t* header = p.freeHeaders[sizeClass];
  if (!header) return nullptr;
  uint8_t* user = header + 2;
  size_t blockSize = kBlockSizes[sizeClass];
  uint8_t* next = nextFreeOf(user);
  if (!isFreeLink(p, next, sizeClass)) {
    report.set(kAllocCorrupt, user);
    next = nullptr;  // the rest of the list is lost, not trusted
  }
  p.freeHeaders[sizeClass] = next;
  if (!(headerOf(user) & kFreeBit) || guardOf(user, blockSize) != kGuard)
    report.set(kAllocCorrupt, user);
  headerOf(user) &= static_cast<uint16_t>(~kFreeBit);
  guardOf(user, blockSize) = kGuard;
  return user;
}

void freeBlock(Pool& p, Chunk& c, uint8_t* user, Report& report) {
  if (!isBlockStart(p, c, user)) return report.set(kNotInPool, user);
  uint16_t& header = headerOf(user);
  if (header & kFreeBit) return report.set(kRepeatFree, user);
  if (guardOf(user, c.blockSize) != kGuard) report.set(kFreeCorrupt, user);
  header |= kFreeBit;
  guardOf(user, c.blockSize) = kGuard;
  nextFreeOf(user) = p.freeHeaders[c.sizeClass];
  p.freeHeaders[c.sizeClass] = user - 2;
}

struct ReallocPlan {
  bool onHeap = false;
  bool keepBlock = false;
  bool freeOld = false;
  size_t carry = 0;  // bytes to copy when the data moves
};

ReallocPlan planRealloc(Pool& p, uint8_t* user, size_t size, Report& report) {
  ReallocPlan plan;
  Chunk* c = chunkAt(p, user);
  if (!c) {
    plan.onHeap = true;
    return plan;
  }
  plan.carry = c->blockSize;
  if (!isBlockStart(p, *c, user)) {
    report.set(kNotInPool, user);
    plan.carry = std::min(plan.carry, static_cast<size_t>(c->base + c->size - user));
    return plan;
  }
  // NOTE: a freed block still sits on its free list; reviving it would hand it out twice, so its
  // data moves to a new block and the freed one is left alone.
  if (headerOf(user) & kFreeBit) {
    report.set(kFreeCorrupt, user);
    return plan;
  }
  plan.freeOld = true;
  if (size <= c->blockSize) {
    if (guardOf(user, c->blockSize) != kGuard) report.set(kFreeCorrupt, user);
    guardOf(user, c->blockSize) = kGuard;
    plan.keepBlock = true;
  }
  return plan;
}

}  // namespace

void* mp_alloc(size_t size) {
  Pool& p = pool();
  if (!p.enabled || size > kMaxPooled) return malloc(size);
  int sizeClass = sizeClassOf(size);
  Report report;
  uint8_t* user;
  {
    PoolLock lock(p);
    if (!p.freeHeaders[sizeClass]) addChunk(p, sizeClass);
    user = popFreeBlock(p, sizeClass, report);
  }
  report.send();
  return user ? user : malloc(size);
}

void mp_free(void* address) {
  if (!address) return;
  Pool& p = pool();
  if (!p.enabled) return free(address);
  Report report;
  bool onHeap = false;
  {
    PoolLock lock(p);
    Chunk* c = chunkAt(p, address);
    if (c) freeBlock(p, *c, static_cast<uint8_t*>(address), report);
    else onHeap = true;
  }
  if (onHeap) free(address);
  report.send();
}

size_t mp_size(const void* address) {
  if (!address) return 0;
  Pool& p = pool();
  if (!p.enabled) return _msize(const_cast<void*>(address));
  Report report;
  size_t size = 0;
  bool onHeap = false;
  {
    PoolLock lock(p);
    Chunk* c = chunkAt(p, address);
    if (!c) onHeap = true;
    else if (isBlockStart(p, *c, static_cast<const uint8_t*>(address))) size = c->blockSize;
    else report.set(kNotInPool, address);  // not a heap block either: the heap must not see it
  }
  report.send();
  return onHeap ? _msize(const_cast<void*>(address)) : size;
}

void* mp_realloc(void* address, size_t size) {
  Pool& p = pool();
  if (!p.enabled) return realloc(address, size);
  if (!address) return mp_alloc(size);
  auto* user = static_cast<uint8_t*>(address);
  Report report;
  ReallocPlan plan;
  {
    PoolLock lock(p);
    plan = planRealloc(p, user, size ? size : 1, report);
  }
  report.send();
  if (plan.onHeap) return realloc(address, size);
  if (plan.keepBlock) return address;
  void* moved = mp_alloc(size);
  if (!moved) return nullptr;
  memcpy(moved, address, std::min(plan.carry, size));
  if (plan.freeOld) mp_free(address);
  return moved;
}

bool mp_owns(const void* address) {
  if (!address) return false;
  Pool& p = pool();
  if (!p.enabled) return false;
  PoolLock lock(p);
  Chunk* c = chunkAt(p, address);
  return c && isBlockStart(p, *c, static_cast<const uint8_t*>(address));
}

MemPoolReportSink setMemPoolReportSink(MemPoolReportSink sink) { return g_sink.exchange(sink); }
