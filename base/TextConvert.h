#pragma once

#include <string>

// Code-page conversions through the system's functions (no flags). A null input, a negative
// length other than -1, or a conversion that yields nothing gives an empty result; with length -1
// the input is read up to its terminator, which is not part of the result.
std::string wideToMultiByte(const wchar_t* text, int length, unsigned codePage);
std::wstring multiByteToWide(const char* text, int length, unsigned codePage);

// The string without leading and trailing space characters (only U+0020).
std::wstring trimBlanks(const std::wstring& text);
