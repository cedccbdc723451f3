#pragma once

#include <string>

// Diagnostics of the UI framework: collects text through stream insertion and, when finished,
// writes "Debug: " and the text to the standard wide output and to the debugger output.
// It never touches the log file.
class DebugStream {
 public:
  explicit DebugStream(int kind = 0) : kind_(kind) {}
  ~DebugStream();
  DebugStream(const DebugStream&) = delete;
  DebugStream& operator=(const DebugStream&) = delete;

  DebugStream& operator<<(const wchar_t* text);
  DebugStream& operator<<(const std::wstring& text) { return *this << text.c_str(); }
  DebugStream& operator<<(const char* text);
  DebugStream& operator<<(const std::string& text) { return *this << text.c_str(); }
  DebugStream& operator<<(wchar_t c);
  DebugStream& operator<<(char c);
  DebugStream& operator<<(int value);
  DebugStream& operator<<(unsigned value);
  DebugStream& operator<<(long long value);
  DebugStream& operator<<(double value);
  DebugStream& operator<<(bool value) { return *this << (value ? L"true" : L"false"); }
  DebugStream& operator<<(const void* pointer);

  int kind() const { return kind_; }
  const std::wstring& text() const { return text_; }

 private:
  int kind_;
  std::wstring text_;
};

inline DebugStream kxDebug() { return DebugStream(0); }
