#include "base/MemPool.h"

#include "base/WideFormat.h"
#include "testing/TestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::wstring> g_reports;

void recordReport(const wchar_t* message) { g_reports.push_back(message); }

std::wstring reportFor(const wchar_t* format, const void* address) {
  return formatWide(format, static_cast<unsigned>(reinterpret_cast<uintptr_t>(address)));
}

// Every test sees the pool's reports instead of a message box nobody could answer.
class MemPoolTest : public testing::Test {
 protected:
  void SetUp() override {
    g_reports.clear();
    previous_ = setMemPoolReportSink(recordReport);
  }
  void TearDown() override { setMemPoolReportSink(previous_); }

 private:
  MemPoolReportSink previous_ = nullptr;
};

struct SizeCase {
  size_t request;
  size_t blockSize;  // 0: served by the general heap
};

}  // namespace

TEST_F(MemPoolTest, RequestsFallIntoTheirSizeClass) {
  const SizeCase cases[] = {
      {0, 8},     {1, 8},     {8, 8},     {9, 16},    {16, 16},   {17, 24},   {20, 24},
      {24, 24},   {25, 32},   {32, 32},   {33, 48},   {48, 48},   {49, 64},   {64, 64},
      {65, 80},   {80, 80},   {81, 96},   {96, 96},   {97, 128},  {128, 128}, {129, 160},
      {160, 160}, {161, 192}, {192, 192}, {193, 224}, {224, 224}, {225, 256}, {256, 256},
      {257, 0},   {4000, 0},
  };
  for (const SizeCase& c : cases) {
    void* p = mp_alloc(c.request);
    ASSERT_NE(p, nullptr) << c.request;
    EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 4, 0u) << c.request;
    EXPECT_EQ(mp_owns(p), c.blockSize != 0) << "request of " << c.request << " bytes";
    EXPECT_EQ(mp_size(p), c.blockSize ? c.blockSize : c.request) << c.request;
    memset(p, 0x5A, mp_size(p));
    mp_free(p);
  }
  EXPECT_TRUE(g_reports.empty());
}

TEST_F(MemPoolTest, FreedBlocksAreReusedLastInFirstOut) {
  void* a = mp_alloc(40);
  void* b = mp_alloc(40);
  mp_free(a);
  mp_free(b);
  EXPECT_EQ(mp_alloc(40), b);
  EXPECT_EQ(mp_alloc(40), a);
  mp_free(a);
  mp_free(b);
  mp_free(nullptr);
  EXPECT_EQ(mp_size(nullptr), 0u);
}

TEST_F(MemPoolTest, DoubleFreeIsReportedAndLeavesTheFreeListIntact) {
  void* p = mp_alloc(20);
  mp_free(p);
  mp_free(p);
  ASSERT_EQ(g_reports, std::vector<std::wstring>{reportFor(L"mp_free - repeat free block 0x%08X!", p)});
  void* first = mp_alloc(20);
  void* second = mp_alloc(20);
  EXPECT_EQ(first, p);
  EXPECT_NE(second, p) << "a block freed twice must not be handed out twice";
  mp_free(first);
  mp_free(second);
  EXPECT_EQ(g_reports.size(), 1u);
}

TEST_F(MemPoolTest, OverrunIsReportedAtTheNextFreeOnlyPastTheBlockSize) {
  auto* withinBlock = static_cast<uint8_t*>(mp_alloc(20));
  memset(withinBlock, 0x11, 24);  // past the request, inside the 24-byte block
  mp_free(withinBlock);
  EXPECT_TRUE(g_reports.empty());

  auto* pastBlock = static_cast<uint8_t*>(mp_alloc(20));
  pastBlock[24] = 0;
  EXPECT_TRUE(g_reports.empty()) << "nothing looks at the guard before the free";
  mp_free(pastBlock);
  EXPECT_EQ(g_reports,
            std::vector<std::wstring>{reportFor(L"mp_free - detect block 0x%08X corrupt!", pastBlock)});
  // The free mended the guard: the block goes round again without a report.
  EXPECT_EQ(mp_alloc(20), pastBlock);
  mp_free(pastBlock);
  EXPECT_EQ(g_reports.size(), 1u);
}

TEST_F(MemPoolTest, ReallocKeepsABigEnoughBlockAndMovesOtherwise) {
  auto* p = static_cast<char*>(mp_alloc(20));
  strcpy(p, "twenty bytes of it!");
  EXPECT_EQ(mp_realloc(p, 24), p);
  auto* moved = static_cast<char*>(mp_realloc(p, 25));
  EXPECT_NE(moved, p);
  EXPECT_EQ(mp_size(moved), 32u);
  EXPECT_STREQ(moved, "twenty bytes of it!");
  auto* onHeap = static_cast<char*>(mp_realloc(moved, 1000));
  EXPECT_FALSE(mp_owns(onHeap));
  EXPECT_STREQ(onHeap, "twenty bytes of it!");
  auto* back = static_cast<char*>(mp_realloc(onHeap, 2000));
  EXPECT_STREQ(back, "twenty bytes of it!");
  mp_free(back);
  void* fresh = mp_realloc(nullptr, 10);
  EXPECT_EQ(mp_size(fresh), 16u);
  mp_free(fresh);
  EXPECT_TRUE(g_reports.empty());
  // The moved-from block went back to its class.
  EXPECT_EQ(mp_alloc(20), p);
  mp_free(p);
}

TEST_F(MemPoolTest, ReallocOfAFreedBlockDoesNotReviveIt) {
  auto* p = static_cast<char*>(mp_alloc(20));
  mp_free(p);
  void* q = mp_realloc(p, 16);
  EXPECT_EQ(g_reports,
            std::vector<std::wstring>{reportFor(L"mp_free - detect block 0x%08X corrupt!", p)});
  EXPECT_NE(q, p);
  // p is still on the free list, once: it comes back once and never again.
  void* again = mp_alloc(20);
  void* other = mp_alloc(20);
  EXPECT_EQ(again, p);
  EXPECT_NE(other, p);
  mp_free(again);
  mp_free(other);
  mp_free(q);
}

TEST_F(MemPoolTest, AddressInsideABlockIsReportedNotGivenToTheHeap) {
  auto* p = static_cast<uint8_t*>(mp_alloc(64));
  mp_free(p + 8);
  EXPECT_EQ(mp_size(p + 8), 0u);
  EXPECT_EQ(g_reports, (std::vector<std::wstring>{
                           reportFor(L"mp_free - block 0x%08X not in mem pool!", p + 8),
                           reportFor(L"mp_free - block 0x%08X not in mem pool!", p + 8)}));
  EXPECT_EQ(mp_size(p), 64u);
  mp_free(p);
  EXPECT_EQ(g_reports.size(), 2u);
}

TEST_F(MemPoolTest, WriteIntoAFreedBlockCannotRedirectTheFreeList) {
  auto* victim = static_cast<uint8_t*>(mp_alloc(160));
  mp_free(victim);
  static uint8_t outside[512];
  uint8_t* bogus = outside + 2;
  memcpy(victim, &bogus, sizeof bogus);  // a use after free overwrites the list link
  void* first = mp_alloc(160);
  EXPECT_EQ(first, victim);
  EXPECT_EQ(g_reports,
            std::vector<std::wstring>{reportFor(L"mp_alloc - detect block 0x%08X corrupt!", victim)});
  void* second = mp_alloc(160);
  EXPECT_TRUE(mp_owns(second));
  EXPECT_NE(second, outside + 4);
  mp_free(first);
  mp_free(second);
}

TEST_F(MemPoolTest, ManyThreadsNeverShareABlock) {
  constexpr int kThreads = 4;
  constexpr int kRounds = 20000;
  std::vector<int> failures(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &failures] {
      std::vector<std::pair<uint32_t*, size_t>> live;
      unsigned state = 1234u + t;
      for (int i = 0; i < kRounds; ++i) {
        state = state * 1664525u + 1013904223u;
        if (live.size() < 64 && (state >> 28) < 10) {
          size_t words = ((state >> 8) % 64) + 1;
          auto* p = static_cast<uint32_t*>(mp_alloc(words * 4));
          for (size_t w = 0; w < words; ++w) p[w] = (t << 24) | i;
          live.emplace_back(p, words);
        } else if (!live.empty()) {
          auto [p, words] = live[(state >> 8) % live.size()];
          for (size_t w = 0; w < words; ++w)
            if (p[w] != p[0]) ++failures[t];
          if ((p[0] >> 24) != static_cast<uint32_t>(t)) ++failures[t];
          mp_free(p);
          live.erase(std::find(live.begin(), live.end(), std::make_pair(p, words)));
        }
      }
      for (auto& [p, words] : live) mp_free(p);
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(kThreads, 0));
  EXPECT_TRUE(g_reports.empty());
}

namespace {

struct ModeCase {
  const wchar_t* arguments;
  int expectedExit;  // what the probe says: 10 pool, 20 general heap
};

}  // namespace

// The switch is read once per process, so each mode runs in a process of its own.
TEST(MemPoolMode, SwitchOnTheCommandLineSendsEverythingToTheHeap) {
  const ModeCase cases[] = {
      {L"", 10},
      {L" -silence", 10},
      {L" /disablemempool", 20},
      {L" -silence /DisableMemPool", 20},
      {L" /DISABLEMEMPOOL", 20},
  };
  std::wstring probe = zelotest::binFolder() + L"\\zelo_mempool_probe.exe";
  for (const ModeCase& c : cases) {
    zelotest::HelperProcess process;
    ASSERT_TRUE(process.start(probe, L"zelo_mempool_probe.exe" + std::wstring(c.arguments), false));
    EXPECT_EQ(process.waitExit(), c.expectedExit) << "arguments:" << c.arguments;
  }
}
