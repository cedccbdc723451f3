#include "base/InstallPath.h"

#include <gtest/gtest.h>

TEST(InstallPath, NormalizePath) {
  const struct {
    const wchar_t* in;
    const wchar_t* out;
  } cases[] = {
      {L"c:/program files//tarsel\\\\orvizelo/", L"C:\\PROGRAM FILES\\TARSEL\\ORVIZELO"},
      {L"C:\\Program Files\\tarsel\\OrviZelo", L"C:\\PROGRAM FILES\\TARSEL\\ORVIZELO"},
      {L"\\\\\\server\\share\\", L"SERVER\\SHARE"},
      {L"C:\\", L"C:"},
      {L"////", L""},
      {L"", L""},
      {L"d:\\\x00e4pfel", L"D:\\\x00c4PFEL"},
  };
  for (const auto& c : cases) EXPECT_EQ(normalizePath(c.in), c.out) << c.in;
}

namespace {

struct PathCase {
  const wchar_t* path;
  bool valid;
};

class InstallPathValidity : public ::testing::TestWithParam<PathCase> {};

}  // namespace

TEST_P(InstallPathValidity, Rule) {
  EXPECT_EQ(isValidInstallPath(GetParam().path), GetParam().valid) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Table, InstallPathValidity,
    ::testing::Values(
        PathCase{L"C:\\", true},                           // a drive root alone
        PathCase{L"c:/", true},                            // forward slash, lower case
        PathCase{L"C:\\Program Files\\tarsel\\OrviZelo", true},
        PathCase{L"C:\\Apps\\Test ", true},                // trailing blank trimmed away
        PathCase{L"  C:\\Apps", true},                     // leading blank trimmed away
        PathCase{L"C:\\Apps\\   ", true},                  // blank last element is not tested
        PathCase{L"C:\\Apps\\   \\x", false},              // blank inner element
        PathCase{L"C:\\Apps\\..", false},                  // leads to another folder
        PathCase{L"C:\\Apps\\..\\..\\Windows", false},
        PathCase{L"C:\\Apps\\.\\x", false},
        PathCase{L"C:\\Apps\\ .. ", false},
        PathCase{L"C:\\Apps\\...", false},                 // the system would drop the dots
        PathCase{L"C:\\Apps\\v1.0\\x", true},
        PathCase{L"C:/Apps/Test", true},
        PathCase{L"C:\\Apps\\a:b", false},                 // colon after the drive part
        PathCase{L"C:\\Apps\\a|b", false},
        PathCase{L"C:\\Apps\\a*b", false},
        PathCase{L"C:\\Apps\\a?b", false},
        PathCase{L"C:\\Apps\\a\"b", false},
        PathCase{L"C:\\Apps\\a<b", false},
        PathCase{L"C:\\Apps\\a>b", false},
        PathCase{L"Q:\\Apps", false},                      // a drive that does not exist
        PathCase{L"Apps", false},                          // a bare folder name
        PathCase{L".", false},                             // relative paths
        PathCase{L"..", false},
        PathCase{L"\\", false},
        PathCase{L"..\\Apps", false},
        PathCase{L"C:", false},                            // a drive's current folder
        PathCase{L"C:Apps", false},
        PathCase{L"\\\\server\\share\\x", false},
        PathCase{L"", false}));

TEST(InstallPath, FreeSpaceOfAnExistingAndAMissingDrive) {
  EXPECT_GT(freeSpaceMB(L"C:\\Program Files"), 0.0);
  EXPECT_EQ(freeSpaceMB(L"Q:\\x"), 0.0);
  EXPECT_EQ(freeSpaceMB(L""), 0.0);
}
