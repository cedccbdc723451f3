#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// Wide formatting with the Windows meaning of the conversions: in a wide format "%s" takes a
// wide string and "%S" a narrow one. MinGW's libstdc++ switches the standard names to C99 rules,
// under which "%s" would read a narrow string, so every wide format of the programs goes here.

// Formats into buffer (capacity characters, terminator included). Output that does not fit is
// cut; the buffer is always terminated. Returns the number of characters written.
size_t vformatWideInto(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args);
size_t formatWideInto(wchar_t* buffer, size_t capacity, const wchar_t* format, ...);

// Formats into a string of any length.
std::wstring vformatWide(const wchar_t* format, va_list args);
std::wstring formatWide(const wchar_t* format, ...);
