#pragma once

#include <windows.h>

#include <cstdarg>
#include <mutex>
#include <string>

// The process's plain-text log: UTF-16 with a byte-order mark, one timestamped line per event.
// A program builds one instance at namespace scope (before its entry runs); the first instance
// built becomes the target of writeLog and setLogFileName.
class LogFile {
 public:
  // Longest line in characters, its timestamp and line end included.
  static constexpr size_t kMaxLineChars = 2046;
  // A file found larger than this at the first open is started afresh.
  static constexpr LONGLONG kResetSize = 1048576;

  // folder ends in a backslash and is created with all missing parents.
  LogFile(std::wstring folder, std::wstring defaultFileName);
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  // Takes effect only while no file has been opened yet.
  void setFileName(const std::wstring& name);
  const std::wstring& path() const { return logPath_; }
  const std::wstring& folder() const { return logFolder_; }

  // Appends one line; failures drop the line and the next line tries the open again.
  void writeMessage(const wchar_t* message);
  void vwrite(const wchar_t* format, va_list args);

  static LogFile* processLog();

 private:
  bool ensureOpen();

  std::mutex lock_;  // guards the lazy open; lines themselves go out in one append each
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  std::wstring openedPath_;
  bool opened_ = false;
  std::wstring logPath_;
  std::wstring logFolder_;
};

// printf-like entry point of the process log (Windows meaning of "%s": a wide string).
void writeLog(const wchar_t* format, ...);
void setLogFileName(const wchar_t* name);
