#pragma once

#include <windows.h>

#include <atomic>

// Base of the programs' background jobs. The work runs on a thread of its own or in-line on the
// caller's thread; it polls isStopRequested, and stop always joins without a time limit.
class WorkerThread {
 public:
  WorkerThread() = default;
  // Derived classes stop the worker in their own destructor, while their run can still be called.
  virtual ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // async: runs run() on a new thread and returns whether it was created; a thread that still
  // runs from an earlier start is stopped and joined first. Otherwise run() runs in-line.
  virtual bool start(bool async);
  // Sets the stop flag, waits for the thread to end and clears the state.
  virtual void stop();

  bool isStopRequested() const { return stopRequested_.load(); }
  bool isRunning() const { return thread_ != nullptr; }
  DWORD threadId() const { return threadId_; }

 protected:
  virtual void run() = 0;

 private:
  static unsigned __stdcall threadProc(void* self);

  HANDLE thread_ = nullptr;
  std::atomic<bool> stopRequested_{false};
  DWORD threadId_ = 0;
};
