#include "DebugStream.h"

#include "TextConvert.h"
#include "WideFormat.h"

#include <windows.h>

#include <iostream>

DebugStream::~DebugStream() {
  std::wcout << L"Debug: " << text_ << std::endl;
  text_ += L"\n";
  OutputDebugStringW(text_.c_str());
}

DebugStream& DebugStream::operator<<(const wchar_t* text) {
  if (text) text_ += text;
  return *this;
}

DebugStream& DebugStream::operator<<(const char* text) {
  if (text) text_ += multiByteToWide(text, -1, CP_ACP);
  return *this;
}

DebugStream& DebugStream::operator<<(wchar_t c) {
  text_ += c;
  return *this;
}

DebugStream& DebugStream::operator<<(char c) {
  text_ += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return *this;
}

DebugStream& DebugStream::operator<<(int value) { return *this << formatWide(L"%d", value); }
DebugStream& DebugStream::operator<<(unsigned value) { return *this << formatWide(L"%u", value); }
DebugStream& DebugStream::operator<<(long long value) {
  return *this << formatWide(L"%I64d", value);
}
DebugStream& DebugStream::operator<<(double value) { return *this << formatWide(L"%g", value); }
DebugStream& DebugStream::operator<<(const void* pointer) {
  return *this << formatWide(L"%p", pointer);
}
