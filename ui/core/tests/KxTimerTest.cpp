#include "ui/core/KxTimer.h"

#include "ui/core/KxElapsedTimer.h"
#include "ui/core/tests/UiLoopFixtures.h"

#include <gtest/gtest.h>

TEST(KxTimer, RepeatsUntilStopped) {
  KxTimer timer;
  int count = 0;
  timer.onTimeout([&](KxTimer*) { ++count; });
  timer.start(10);
  EXPECT_TRUE(timer.isActive());
  EXPECT_EQ(timer.interval(), 10);
  ASSERT_TRUE(pumpUntil([&] { return count >= 3; }));
  timer.stop();
  EXPECT_FALSE(timer.isActive());
  EXPECT_EQ(timer.id(), -1);
  EXPECT_EQ(timer.interval(), -1);
  const int stopped = count;
  pumpUntil([] { return false; }, 60);
  EXPECT_EQ(count, stopped);
}

TEST(KxTimer, StartingAgainWithTheSameIntervalKeepsTheCountdown) {
  KxTimer timer;
  uint64_t firedAt = 0;
  timer.onTimeout([&](KxTimer* t) {
    firedAt = elapsedMs();
    t->stop();
  });
  const uint64_t start = elapsedMs();
  timer.start(400);
  Sleep(250);
  timer.start(400);  // no restart: the first timeout still comes about 400 ms after the start
  ASSERT_TRUE(pumpUntil([&] { return firedAt != 0; }));
  EXPECT_LT(firedAt - start, 600u);
}

TEST(KxTimer, AnotherIntervalRestarts) {
  KxTimer timer;
  timer.start(5000);
  const int first = timer.id();
  int count = 0;
  timer.onTimeout([&](KxTimer*) { ++count; });
  timer.start(10);
  EXPECT_EQ(timer.interval(), 10);
  EXPECT_NE(timer.id(), -1);
  ASSERT_TRUE(pumpUntil([&] { return count >= 1; }));
  (void)first;
}

TEST(KxTimer, ServiceWindowLivesOnlyWhileATimerRuns) {
  ASSERT_EQ(timerServiceWindow(), nullptr);
  {
    KxTimer a, b;
    a.start(1000);
    HWND window = timerServiceWindow();
    ASSERT_NE(window, nullptr);
    b.start(1000);
    EXPECT_NE(a.id(), b.id());
    a.stop();
    EXPECT_EQ(timerServiceWindow(), window);
    b.stop();
    EXPECT_EQ(timerServiceWindow(), nullptr);
    a.start(1000);
    EXPECT_NE(timerServiceWindow(), nullptr);
  }  // deleting a timer stops it
  EXPECT_EQ(timerServiceWindow(), nullptr);
}

TEST(KxTimer, SingleShotStopsItselfInItsCallback) {
  KxTimer timer;
  int count = 0;
  timer.onTimeout([&](KxTimer* t) {
    ++count;
    t->stop();
  });
  timer.start(5);
  pumpUntil([] { return false; }, 100);
  EXPECT_EQ(count, 1);
}

// A callback that deletes its timer must not leave the emission walking freed callbacks.
TEST(KxTimer, CallbackDeletingItsTimerEndsTheEmission) {
  auto* timer = new KxTimer;
  int later = 0;
  bool deleted = false;
  timer->onTimeout([&](KxTimer* t) {
    delete t;
    deleted = true;
  });
  timer->onTimeout([&](KxTimer*) { ++later; });
  timer->start(5);
  ASSERT_TRUE(pumpUntil([&] { return deleted; }));
  pumpUntil([] { return false; }, 50);
  EXPECT_EQ(later, 0);
  EXPECT_EQ(timerServiceWindow(), nullptr);
}

TEST(KxElapsedTimer, ExtendedTickCountKeepsGrowingOverAWrap) {
  KxTickExtender extender;
  EXPECT_EQ(extender.extend(0xFFFFFFF0u), 0xFFFFFFF0ull);
  EXPECT_EQ(extender.extend(0xFFFFFFFFu), 0xFFFFFFFFull);
  EXPECT_EQ(extender.extend(5), 0x100000005ull);
  EXPECT_EQ(extender.extend(6), 0x100000006ull);
  EXPECT_EQ(extender.extend(1), 0x200000001ull);
}

TEST(KxElapsedTimer, MeasuresFromItsStart) {
  KxElapsedTimer timer;
  Sleep(80);
  EXPECT_GE(timer.elapsed(), 40u);  // the clock may step in 16 ms ticks
  EXPECT_LE(timer.startValue(), elapsedMs());
}
