// The test prefix must keep the programs under test away from the host: they delete folder trees.
#include "testing/TestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(Sandbox, HostRootIsNotVisible) {
  EXPECT_EQ(GetFileAttributesW(L"Z:\\etc"), INVALID_FILE_ATTRIBUTES);
  // NOTE: Wine's own "\\?\unix\" namespace still reaches the host; no program of ours forms such
  // a path, and no drive letter may lead there.
  wchar_t drives[256] = {};
  GetLogicalDriveStringsW(255, drives);
  for (const wchar_t* d = drives; *d; d += wcslen(d) + 1) {
    std::wstring etc = std::wstring(d) + L"etc\\passwd";
    EXPECT_EQ(GetFileAttributesW(etc.c_str()), INVALID_FILE_ATTRIBUTES) << "visible through " << d;
  }
}

TEST(Sandbox, TestProgramsRunFromTheTestDrive) {
  EXPECT_EQ(zelotest::binFolder().substr(0, 3), L"T:\\");
}
