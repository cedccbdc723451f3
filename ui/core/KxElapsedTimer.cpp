#include "KxElapsedTimer.h"

#include <windows.h>

#include <mutex>

uint64_t KxTickExtender::extend(uint32_t ticks) {
  if (ticks < last_) ++wraps_;
  last_ = ticks;
  return (uint64_t(wraps_) << 32) | ticks;
}

namespace {

using TickCount64 = ULONGLONG(WINAPI*)();

TickCount64 lookUpTickCount64() {
  HMODULE kernel = GetModuleHandleW(L"kernel32");
  return kernel ? reinterpret_cast<TickCount64>(GetProcAddress(kernel, "GetTickCount64")) : nullptr;
}

}  // namespace

uint64_t elapsedMs() {
  static const TickCount64 tickCount64 = lookUpTickCount64();
  if (tickCount64) return tickCount64();
  static KxTickExtender extender;
  static std::mutex lock;  // the fallback keeps state; readers may be on any thread
  std::lock_guard<std::mutex> guard(lock);
  return extender.extend(GetTickCount());
}
