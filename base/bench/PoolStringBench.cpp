// Measures the memory pool against the general heap and KxString against std::wstring, both in
// the same run, and prints the figures side by side. The last two lines are the ratios that
// tools/bench collects.
#include "base/KxString.h"
#include "base/MemPool.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kSlots = 1024;
constexpr int kAllocRounds = 2000000;
constexpr int kStringRounds = 1000000;
constexpr int kRepeats = 3;

volatile size_t g_sink;

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

// Best of a few runs: the machine is shared, the fastest run is the least disturbed one.
template <typename Fn>
double bestMs(Fn fn) {
  double best = 1e300;
  for (int i = 0; i < kRepeats; ++i) {
    double start = nowMs();
    fn();
    best = std::min(best, nowMs() - start);
  }
  return best;
}

struct PoolApi {
  static void* alloc(size_t n) { return mp_alloc(n); }
  static void release(void* p) { mp_free(p); }
};

struct HeapApi {
  static void* alloc(size_t n) { return malloc(n); }
  static void release(void* p) { free(p); }
};

// Replaces a random slot's block by one of a random size up to 256 bytes, rounds times; the
// same sequence for every allocator.
template <typename Api>
void allocationMix(unsigned seed, int rounds) {
  std::vector<void*> slots(kSlots, nullptr);
  unsigned state = seed;
  for (int i = 0; i < rounds; ++i) {
    state = state * 1664525u + 1013904223u;
    unsigned slot = (state >> 8) % kSlots;
    size_t size = ((state >> 20) % 256) + 1;
    Api::release(slots[slot]);
    void* p = Api::alloc(size);
    *static_cast<char*>(p) = static_cast<char>(i);
    slots[slot] = p;
  }
  for (void* p : slots) Api::release(p);
}

template <typename Api>
void twoThreadMix() {
  std::thread other([] { allocationMix<Api>(7, kAllocRounds / 2); });
  allocationMix<Api>(11, kAllocRounds / 2);
  other.join();
}

std::wstring text(int length) {
  std::wstring s;
  for (int i = 0; i < length; ++i) s += static_cast<wchar_t>(L'a' + i % 26);
  return s;
}

template <typename Str>
double copyMs(const Str& source) {
  return bestMs([&] {
    size_t total = 0;
    for (int i = 0; i < kStringRounds; ++i) {
      Str copy = source;
      total += copy.length();
    }
    g_sink = total;
  });
}

template <typename Str>
double appendMs(const Str& piece) {
  return bestMs([&] {
    size_t total = 0;
    for (int i = 0; i < kStringRounds / 100; ++i) {
      Str s;
      for (int j = 0; j < 20; ++j) s += piece;
      total += s.length();
    }
    g_sink = total;
  });
}

template <typename Str>
double compareMs(const Str& a, const Str& b) {
  return bestMs([&] {
    size_t equal = 0;
    for (int i = 0; i < kStringRounds; ++i) equal += (a == b);
    g_sink = equal;
  });
}

void printRow(const char* what, double ours, double peers) {
  printf("%-34s %10.2f ms  %10.2f ms  %6.3f\n", what, ours, peers, ours / peers);
}

}  // namespace

int wmain() {
  printf("%-34s %13s  %13s  %6s\n", "", "ours", "peer", "ratio");
  double poolSingle = bestMs([] { allocationMix<PoolApi>(3, kAllocRounds); });
  double heapSingle = bestMs([] { allocationMix<HeapApi>(3, kAllocRounds); });
  printRow("mp_alloc/mp_free vs heap, 1 thread", poolSingle, heapSingle);
  printRow("mp_alloc/mp_free vs heap, 2 threads", bestMs(twoThreadMix<PoolApi>),
           bestMs(twoThreadMix<HeapApi>));

  double copyLong = 0, copyLongPeer = 0;
  for (int length : {8, 1000}) {
    std::wstring w = text(length), w2 = text(length);
    KxString k(w.c_str()), k2(w2.c_str());
    char label[64];
    double ours = copyMs(k), peers = copyMs(w);
    snprintf(label, sizeof label, "copy KxString vs wstring, %d ch", length);
    printRow(label, ours, peers);
    if (length == 1000) copyLong = ours, copyLongPeer = peers;
    std::wstring piece = text(length / 8);
    snprintf(label, sizeof label, "append KxString vs wstring, %d ch", length);
    printRow(label, appendMs(KxString(piece.c_str())), appendMs(piece));
    snprintf(label, sizeof label, "compare KxString vs wstring, %d ch", length);
    printRow(label, compareMs(k, k2), compareMs(w, w2));
  }
  printf("RATIO pool-vs-heap %.3f\n", poolSingle / heapSingle);
  printf("RATIO kxstring-copy-vs-wstring %.3f\n", copyLong / copyLongPeer);
  return 0;
}
