#pragma once

#include "testing/TestSupport.h"

#include <string>
#include <vector>

// The archives and the tree they were packed from, on the test drive.
inline std::wstring extractFixture(const std::wstring& name) {
  std::wstring bin = zelotest::binFolder();
  return bin.substr(0, bin.find_last_of(L'\\')) + L"\\fixtures\\extract\\" + name;
}

inline std::vector<uint8_t> fixtureArchive(const std::wstring& name) {
  return zelotest::readFileBytes(extractFixture(name + L".7z"));
}

inline std::string fileText(const std::wstring& path) {
  std::vector<uint8_t> bytes = zelotest::readFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}
