#include "setup/InstallFolder.h"

#include "base/SpecialFolders.h"
#include "setup/tests/RegistryFixture.h"

#include <shlobj.h>

#include <gtest/gtest.h>

TEST(InstallFolder, NormalisedForUse) {
  const struct {
    const wchar_t* in;
    const wchar_t* out;
  } cases[] = {
      {L"C:\\Apps\\Test", L"C:\\Apps\\Test\\"},
      {L"C:\\Apps\\Test\\", L"C:\\Apps\\Test\\"},
      {L"E:\\", L"E:\\OrviZelo\\"},            // a drive root gets the product folder
      {L"E:", L"E:\\OrviZelo\\"},
      {L"E:\\\\\\", L"E:\\OrviZelo\\"},        // several backslashes after the drive
      {L"D:\\A", L"D:\\A\\"},
      {L"D:\\A\\\\", L"D:\\A\\"},               // doubled separators made single
      // Read as the validity rule read it: used as typed, these would be cut to the drive root.
      {L"C:/Apps/Test", L"C:\\Apps\\Test\\"},
      {L"C:/Apps", L"C:\\Apps\\"},
      {L"C:\\Apps\\\\Test", L"C:\\Apps\\Test\\"},
      {L"  C:\\Apps ", L"C:\\Apps\\"},
      {L"E:/", L"E:\\OrviZelo\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(normalizeInstallDir(c.in), c.out) << c.in;
}

TEST(InstallFolder, DefaultIsUnderProgramFiles) {
  EXPECT_EQ(defaultInstallDir(), specialFolderPath(CSIDL_PROGRAM_FILES) + L"\\tarsel\\OrviZelo");
}

using PreviousInstallDir = InstallerKeyTest;

TEST_F(PreviousInstallDir, MissingKeyGivesNothing) { EXPECT_EQ(previousInstallDir(), L""); }

TEST_F(PreviousInstallDir, ThreeCharactersAreIgnoredAndFourAreTaken) {
  setRootDir(L"C:\\");
  EXPECT_EQ(previousInstallDir(), L"");
  setRootDir(L"D:\\A");
  EXPECT_EQ(previousInstallDir(), L"D:\\A");
}

// A stored value without its terminator must not run into whatever follows in the buffer.
TEST_F(PreviousInstallDir, FullLengthValueWithoutTerminatorStaysBounded) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, product::kRegistryKey, &key), ERROR_SUCCESS);
  std::wstring value(1023, L'x');
  RegSetValueExW(key, L"RootDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() * sizeof(wchar_t)));
  RegCloseKey(key);
  std::wstring read = previousInstallDir();
  EXPECT_TRUE(read.empty() || read.size() <= 1022u) << read.size();
  setRootDir(L"D:\\Long\\" + std::wstring(1000, L'y'));
  EXPECT_EQ(previousInstallDir().size(), 1008u);
}
