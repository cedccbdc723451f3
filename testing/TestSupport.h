#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Fixtures over real resources for the tests of every subsystem. Everything a test creates has a
// name unique to the test process and is removed by the fixture that created it.
namespace zelotest {

// The folder of the running test program (T:\bin under the test prefix).
std::wstring binFolder();
std::wstring helperProgram();    // zelo_test_helper.exe
std::wstring recorderProgram();  // zelo_record_args.exe

// The exit code of the quit request (PostQuitMessage) waiting in this thread's queue, taken
// out of it; kNoQuit when there is none.
constexpr int kNoQuit = 12345;
int takeQuitCode();

// prefix + process id + a counter: unique across the tests running at the same time.
std::wstring uniqueName(const std::wstring& prefix);

bool pathExists(const std::wstring& path);
std::vector<uint8_t> readFileBytes(const std::wstring& path);
bool writeFileBytes(const std::wstring& path, const void* data, size_t size);
bool writeTextFile(const std::wstring& path, const std::string& text);
// The content of a UTF-16 file as written by the programs (no byte-order mark expected).
std::wstring readUtf16File(const std::wstring& path);
// Removes a whole tree (links removed, never followed).
void removeTree(const std::wstring& path);

// A fresh folder on the test drive, removed with everything inside when the fixture ends.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& prefix = L"tmp");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing backslash.
  const std::wstring& path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// A real second process started from a test program. With a ready event it waits until the
// program reports that it holds what it was started for; the destructor lets it go and ends it.
class HelperProcess {
 public:
  HelperProcess() = default;
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  // Starts program with the given command line (program name included). If withEvents, the
  // two last arguments READY and RELEASE are appended and start waits for READY.
  bool start(const std::wstring& program, const std::wstring& commandLine, bool withEvents);
  // Sets RELEASE and waits for the end; returns the exit code, or -1000 on time-out.
  int release(DWORD timeoutMs = 10000);
  int waitExit(DWORD timeoutMs = 10000);
  void kill();
  DWORD pid() const { return pid_; }
  HANDLE handle() const { return process_; }

 private:
  HANDLE process_ = nullptr;
  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
  DWORD pid_ = 0;
};

// The lines the process log receives from the moment it is built, without their timestamps.
class LogTail {
 public:
  LogTail();
  // The same for another program's log file.
  explicit LogTail(const std::wstring& path);
  std::vector<std::wstring> messages() const;
  // True when some message equals text exactly.
  bool contains(const std::wstring& text) const;
  // The last message, or an empty text when there is none.
  std::wstring last() const;

 private:
  std::wstring path_;
  uint64_t start_ = 0;
};

}  // namespace zelotest
