#pragma once

#include <string>
#include <vector>

// The tokenizer of both programs' command lines. Blank, tab, line feed and "=" separate tokens;
// runs of separators count as one. A token that starts with a double quote runs to the next
// double quote and is taken without the quotes (two quotes in a row give an empty token; with no
// closing quote it runs to the next separator).
std::vector<std::wstring> tokenizeCommandLine(const std::wstring& commandLine);

// True when some token equals option exactly (case matters). value, if given, receives the token
// after it, or empty when the option is the last token.
bool findOption(const std::vector<std::wstring>& tokens, const std::wstring& option,
                std::wstring* value = nullptr);

// True when text occurs anywhere in commandLine, in any letter case.
bool containsNoCase(const std::wstring& commandLine, const std::wstring& text);
