#include "WorkerThread.h"

#include <process.h>

WorkerThread::~WorkerThread() {
  // Only a thread handle can be left here; joining is the derived class's duty (see header).
  if (thread_) CloseHandle(thread_);
}

unsigned __stdcall WorkerThread::threadProc(void* self) {
  static_cast<WorkerThread*>(self)->run();
  return 0;
}

bool WorkerThread::start(bool async) {
  if (!async) {
    run();
    return true;
  }
  if (thread_) stop();
  unsigned id = 0;
  uintptr_t handle = _beginthreadex(nullptr, 0, &WorkerThread::threadProc, this, 0, &id);
  if (handle == 0) return false;
  thread_ = reinterpret_cast<HANDLE>(handle);
  threadId_ = id;
  return true;
}

void WorkerThread::stop() {
  if (thread_) {
    stopRequested_.store(true);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  thread_ = nullptr;
  threadId_ = 0;
  stopRequested_.store(false);
}
