#pragma once

#include "setup/ProductNames.h"
#include "testing/TestSupport.h"

#include <shlobj.h>

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

// A stand-in for the running product: the test helper copied to folder + name, showing the
// product's main window; quitting says whether it honours the quit request.
inline bool startProductStandIn(zelotest::HelperProcess& process, const std::wstring& folder,
                                const std::wstring& name, bool quitting) {
  SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  const std::wstring program = folder + name;
  CopyFileW(zelotest::helperProgram().c_str(), program.c_str(), FALSE);
  return process.start(program,
                       std::wstring(L"product ") + (quitting ? L"quitting-window" : L"window") +
                           L" \"" + product::kMainFrameClass + L"\"",
                       true);
}
