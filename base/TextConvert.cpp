#include "TextConvert.h"

#include <windows.h>

std::string wideToMultiByte(const wchar_t* text, int length, unsigned codePage) {
  if (!text || length < -1 || length == 0) return std::string();
  int bytes = WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string result(static_cast<size_t>(bytes), '\0');
  bytes = WideCharToMultiByte(codePage, 0, text, length, &result[0], bytes, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  result.resize(static_cast<size_t>(bytes));
  if (length == -1 && !result.empty() && result.back() == '\0') result.pop_back();
  return result;
}

std::wstring multiByteToWide(const char* text, int length, unsigned codePage) {
  if (!text || length < -1 || length == 0) return std::wstring();
  int chars = MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
  if (chars <= 0) return std::wstring();
  std::wstring result(static_cast<size_t>(chars), L'\0');
  chars = MultiByteToWideChar(codePage, 0, text, length, &result[0], chars);
  if (chars <= 0) return std::wstring();
  result.resize(static_cast<size_t>(chars));
  if (length == -1 && !result.empty() && result.back() == L'\0') result.pop_back();
  return result;
}

std::wstring trimBlanks(const std::wstring& text) {
  size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return std::wstring();
  size_t last = text.find_last_not_of(L' ');
  return text.substr(first, last - first + 1);
}
