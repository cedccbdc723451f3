#include "CommandLine.h"

#include <windows.h>

namespace {

bool isSeparator(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'='; }

}  // namespace

std::vector<std::wstring> tokenizeCommandLine(const std::wstring& commandLine) {
  std::vector<std::wstring> tokens;
  size_t i = 0;
  const size_t n = commandLine.size();
  while (i < n) {
    if (isSeparator(commandLine[i])) {
      ++i;
      continue;
    }
    if (commandLine[i] == L'"') {
      size_t close = commandLine.find(L'"', i + 1);
      if (close != std::wstring::npos) {
        tokens.push_back(commandLine.substr(i + 1, close - i - 1));
        i = close + 1;
        continue;
      }
      ++i;  // no closing quote: the text after it up to the next separator
    }
    size_t end = i;
    while (end < n && !isSeparator(commandLine[end])) ++end;
    tokens.push_back(commandLine.substr(i, end - i));
    i = end;
  }
  return tokens;
}

bool findOption(const std::vector<std::wstring>& tokens, const std::wstring& option,
                std::wstring* value) {
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i] != option) continue;
    if (value) *value = i + 1 < tokens.size() ? tokens[i + 1] : std::wstring();
    return true;
  }
  return false;
}

bool containsNoCase(const std::wstring& commandLine, const std::wstring& text) {
  if (text.empty()) return true;
  if (commandLine.size() < text.size()) return false;
  for (size_t i = 0; i + text.size() <= commandLine.size(); ++i) {
    if (CompareStringOrdinal(commandLine.c_str() + i, static_cast<int>(text.size()), text.c_str(),
                             static_cast<int>(text.size()), TRUE) == CSTR_EQUAL)
      return true;
  }
  return false;
}
