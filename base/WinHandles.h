#pragma once

#include <windows.h>

#include <utility>

// Small owners of Win32 handles, so every early return closes what it opened.

template <typename Traits>
class UniqueWinHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueWinHandle() = default;
  explicit UniqueWinHandle(Handle handle) : handle_(handle) {}
  ~UniqueWinHandle() { reset(); }
  UniqueWinHandle(UniqueWinHandle&& other) noexcept : handle_(other.release()) {}
  UniqueWinHandle& operator=(UniqueWinHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueWinHandle(const UniqueWinHandle&) = delete;
  UniqueWinHandle& operator=(const UniqueWinHandle&) = delete;

  Handle get() const { return handle_; }
  bool valid() const { return Traits::valid(handle_); }
  explicit operator bool() const { return valid(); }
  Handle release() { return std::exchange(handle_, Traits::invalid()); }
  void reset(Handle handle = Traits::invalid()) {
    if (Traits::valid(handle_)) Traits::close(handle_);
    handle_ = handle;
  }
  // For out-parameters of the Win32 calls that open something.
  Handle* receive() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::invalid();
};

struct KernelHandleTraits {  // null means none (processes, threads, mutexes, events)
  using Handle = HANDLE;
  static Handle invalid() { return nullptr; }
  static bool valid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void close(Handle h) { ::CloseHandle(h); }
};

struct FileHandleTraits {  // INVALID_HANDLE_VALUE means none (CreateFileW)
  using Handle = HANDLE;
  static Handle invalid() { return INVALID_HANDLE_VALUE; }
  static bool valid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void close(Handle h) { ::CloseHandle(h); }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle invalid() { return INVALID_HANDLE_VALUE; }
  static bool valid(Handle h) { return h != INVALID_HANDLE_VALUE; }
  static void close(Handle h) { ::FindClose(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle invalid() { return nullptr; }
  static bool valid(Handle h) { return h != nullptr; }
  static void close(Handle h) { ::RegCloseKey(h); }
};

using UniqueHandle = UniqueWinHandle<KernelHandleTraits>;
using UniqueFile = UniqueWinHandle<FileHandleTraits>;
using UniqueFind = UniqueWinHandle<FindHandleTraits>;
using UniqueRegKey = UniqueWinHandle<RegKeyTraits>;
