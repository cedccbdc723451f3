#include "LogFile.h"

#include "WideFormat.h"

#include <atomic>
#include <shlobj.h>

namespace {

std::atomic<LogFile*> g_processLog{nullptr};

constexpr size_t kBufferChars = 2048;
constexpr wchar_t kLineEnd[] = L"\r\n";
constexpr size_t kLineEndChars = 2;

}  // namespace

LogFile::LogFile(std::wstring folder, std::wstring defaultFileName) : logFolder_(std::move(folder)) {
  if (!logFolder_.empty() && logFolder_.back() != L'\\') logFolder_ += L'\\';
  logPath_ = logFolder_ + defaultFileName;
  SHCreateDirectoryExW(nullptr, logFolder_.c_str(), nullptr);  // failure: lines are dropped later
  LogFile* none = nullptr;
  g_processLog.compare_exchange_strong(none, this);
}

LogFile::~LogFile() {
  LogFile* self = this;
  g_processLog.compare_exchange_strong(self, nullptr);
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

void LogFile::setFileName(const std::wstring& name) {
  std::lock_guard<std::mutex> guard(lock_);
  logPath_ = logFolder_ + name;
}

LogFile* LogFile::processLog() { return g_processLog.load(); }

// Opens for appending only: every write lands at the end of the file as one unit, so the two
// processes of an uninstallation can share the file without overwriting each other's lines.
// The size check and the reset go through a short-lived handle with write access.
bool LogFile::ensureOpen() {
  if (opened_) return true;
  {
    HANDLE file = CreateFileW(logPath_.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    if (ok && (size.QuadPart == 0 || size.QuadPart > kResetSize)) {
      static const BYTE kBom[2] = {0xFF, 0xFE};
      DWORD written = 0;
      LARGE_INTEGER zero = {};
      ok = SetFilePointerEx(file, zero, nullptr, FILE_BEGIN) && SetEndOfFile(file) &&
           WriteFile(file, kBom, sizeof kBom, &written, nullptr) && written == sizeof kBom;
    }
    CloseHandle(file);
    if (!ok) return false;
  }
  handle_ = CreateFileW(logPath_.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) return false;
  openedPath_ = logPath_;
  opened_ = true;
  return true;
}

void LogFile::writeMessage(const wchar_t* message) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t line[kBufferChars];
  // The message is cut so that the line keeps its line end within the longest line.
  size_t length = formatWideInto(line, kMaxLineChars - kLineEndChars + 1,
                                 L"[%4d-%.2d-%.2d %.2d:%.2d:%.2d] %s", now.wYear, now.wMonth,
                                 now.wDay, now.wHour, now.wMinute, now.wSecond, message);
  wcscpy(line + length, kLineEnd);
  length += kLineEndChars;

  std::lock_guard<std::mutex> guard(lock_);
  if (!ensureOpen()) return;
  DWORD written = 0;
  WriteFile(handle_, line, static_cast<DWORD>(length * sizeof(wchar_t)), &written, nullptr);
}

void LogFile::vwrite(const wchar_t* format, va_list args) {
  wchar_t message[kBufferChars];
  vformatWideInto(message, kMaxLineChars + 1, format, args);
  writeMessage(message);
}

void writeLog(const wchar_t* format, ...) {
  LogFile* log = LogFile::processLog();
  if (!log) return;
  va_list args;
  va_start(args, format);
  log->vwrite(format, args);
  va_end(args);
}

void setLogFileName(const wchar_t* name) {
  if (LogFile* log = LogFile::processLog()) log->setFileName(name);
}
