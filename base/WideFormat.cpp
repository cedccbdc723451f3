#include "WideFormat.h"

#include <vector>
#include <wchar.h>

// msvcrt's own export, not the C99 wrapper that __USE_MINGW_ANSI_STDIO puts behind vswprintf.
extern "C" __declspec(dllimport) int __cdecl _vsnwprintf(wchar_t*, size_t, const wchar_t*, va_list);

size_t vformatWideInto(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args) {
  if (capacity == 0) return 0;
  // _vsnwprintf returns -1 and leaves the buffer unterminated when the text is cut.
  int written = _vsnwprintf(buffer, capacity - 1, format, args);
  size_t length = written < 0 ? capacity - 1 : static_cast<size_t>(written);
  buffer[length] = L'\0';
  return length;
}

size_t formatWideInto(wchar_t* buffer, size_t capacity, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  size_t length = vformatWideInto(buffer, capacity, format, args);
  va_end(args);
  return length;
}

std::wstring vformatWide(const wchar_t* format, va_list args) {
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    int written = _vsnwprintf(buffer.data(), buffer.size(), format, copy);
    va_end(copy);
    if (written >= 0 && static_cast<size_t>(written) < buffer.size())
      return std::wstring(buffer.data(), static_cast<size_t>(written));
    if (buffer.size() >= (1u << 24)) return std::wstring(buffer.data(), buffer.size());
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring formatWide(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring text = vformatWide(format, args);
  va_end(args);
  return text;
}
