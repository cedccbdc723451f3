// Entry of every test program: a process log of its own, named after the program, in the
// installer's log folder, so test programs running side by side never share a log file.
#include "base/LogFile.h"
#include "base/SpecialFolders.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

std::wstring programName() {
  wchar_t self[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  std::wstring path = self;
  std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
  return name.substr(0, name.find_last_of(L'.'));
}

LogFile g_testLog(appDataFolder() + L"\\tarsel\\OrviZelo\\setup\\", programName() + L".log");

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
