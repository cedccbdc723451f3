#include "base/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

// Records where it ran; with spin set it runs until asked to stop.
class RecordingWorker : public WorkerThread {
 public:
  ~RecordingWorker() override { stop(); }
  std::atomic<DWORD> ranOn{0};
  std::atomic<int> runs{0};
  std::atomic<bool> spin{false};
  std::atomic<bool> sawStop{false};
  HANDLE started = CreateEventW(nullptr, FALSE, FALSE, nullptr);

 protected:
  void run() override {
    ranOn = GetCurrentThreadId();
    ++runs;
    SetEvent(started);
    while (spin && !isStopRequested()) Sleep(1);
    if (isStopRequested()) sawStop = true;
  }
};

}  // namespace

TEST(WorkerThread, InLineRunsOnTheCallersThread) {
  RecordingWorker worker;
  EXPECT_TRUE(worker.start(false));
  EXPECT_EQ(worker.ranOn.load(), GetCurrentThreadId());
  EXPECT_FALSE(worker.isRunning());
}

TEST(WorkerThread, AsyncRunsOnItsOwnThreadAndStopJoins) {
  RecordingWorker worker;
  worker.spin = true;
  ASSERT_TRUE(worker.start(true));
  ASSERT_EQ(WaitForSingleObject(worker.started, 5000), WAIT_OBJECT_0);
  EXPECT_NE(worker.ranOn.load(), GetCurrentThreadId());
  EXPECT_EQ(worker.threadId(), worker.ranOn.load());
  worker.stop();
  EXPECT_TRUE(worker.sawStop);
  EXPECT_FALSE(worker.isRunning());
  EXPECT_FALSE(worker.isStopRequested());
  EXPECT_EQ(worker.threadId(), 0u);
}

TEST(WorkerThread, StopOnAWorkerThatNeverStartedReturnsAtOnce) {
  RecordingWorker worker;
  worker.stop();
  EXPECT_EQ(worker.runs, 0);
}

// A second start while the first thread still runs must not lose that thread.
TEST(WorkerThread, RestartWhileRunningJoinsTheRunningThreadFirst) {
  RecordingWorker worker;
  worker.spin = true;
  ASSERT_TRUE(worker.start(true));
  ASSERT_EQ(WaitForSingleObject(worker.started, 5000), WAIT_OBJECT_0);
  DWORD first = worker.ranOn;
  ASSERT_TRUE(worker.start(true));
  EXPECT_TRUE(worker.sawStop);  // the first run was told to stop and ended before the second
  ASSERT_EQ(WaitForSingleObject(worker.started, 5000), WAIT_OBJECT_0);
  EXPECT_NE(worker.ranOn.load(), first);
  worker.stop();
  EXPECT_EQ(worker.runs, 2);
}
