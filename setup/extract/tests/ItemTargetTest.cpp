#include "setup/extract/ItemTarget.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

std::wstring dataDir() { return L"A:\\data\\key\\"; }
std::wstring tempDir() { return L"A:\\temp"; }
std::wstring noTemp() { return L""; }

}  // namespace

TEST(ItemTarget, RootElementChoosesTheTargetFolder) {
  const struct {
    const wchar_t* name;
    ItemTarget::Kind kind;
    const wchar_t* path;
  } cases[] = {
      {L"InstallDir", ItemTarget::kSkip, L""},
      {L"AppData", ItemTarget::kSkip, L""},
      {L"TEMP", ItemTarget::kSkip, L""},
      {L"QTX", ItemTarget::kSkip, L""},
      {L"InstallDir\\1.1.6.0\\layout\\fonts.xml", ItemTarget::kWrite, L"D:\\Z\\1.1.6.0\\layout\\fonts.xml"},
      {L"AppData\\ReleaseNotes.txt", ItemTarget::kWrite, L"A:\\data\\key\\ReleaseNotes.txt"},
      {L"TEMP\\x.dat", ItemTarget::kWrite, L"A:\\temp\\x.dat"},
      {L"QTX\\q.bin", ItemTarget::kWrite, L"D:\\Z\\q.bin"},
      {L"Other\\readme.txt", ItemTarget::kWrite, L"D:\\Z\\readme.txt"},  // root dropped
      {L"toplevel.txt", ItemTarget::kWrite, L"D:\\Z\\toplevel.txt"},
      {L"installdir\\a.txt", ItemTarget::kWrite, L"D:\\Z\\a.txt"},  // unknown root: also D
      // Names that would leave their target folder.
      {L"InstallDir\\..\\..\\escaped.txt", ItemTarget::kRefuse, L""},
      {L"InstallDir\\a\\..\\..\\b", ItemTarget::kRefuse, L""},
      {L"AppData\\..\\x", ItemTarget::kRefuse, L""},
      {L"InstallDir\\C:\\escaped.txt", ItemTarget::kRefuse, L""},
      {L"InstallDir\\\\escaped.txt", ItemTarget::kRefuse, L""},
      {L"InstallDir\\", ItemTarget::kRefuse, L""},
      {L"..", ItemTarget::kRefuse, L""},
      {L"C:x", ItemTarget::kRefuse, L""},
      {L"InstallDir\\a..b\\c", ItemTarget::kWrite, L"D:\\Z\\a..b\\c"},  // dots inside a name are fine
  };
  for (const auto& c : cases) {
    ItemTarget target = itemTarget(c.name, L"D:\\Z\\", dataDir, tempDir);
    EXPECT_EQ(target.kind, c.kind) << c.name;
    EXPECT_EQ(target.path, c.path) << c.name;
  }
}

TEST(ItemTarget, TempItemWithoutUsableTempFolderIsRefused) {
  EXPECT_EQ(itemTarget(L"TEMP\\x.dat", L"D:\\Z\\", dataDir, noTemp).kind, ItemTarget::kRefuse);
}

TEST(ItemTarget, TempFolderMustFitItsBuffer) {
  wchar_t saved[MAX_PATH * 2] = {};
  GetEnvironmentVariableW(L"TEMP", saved, MAX_PATH * 2);
  SetEnvironmentVariableW(L"TEMP", std::wstring(300, L'x').c_str());
  EXPECT_EQ(usableTempFolder(), L"");
  SetEnvironmentVariableW(L"TEMP", L"");
  EXPECT_EQ(usableTempFolder(), L"");
  SetEnvironmentVariableW(L"TEMP", L"C:\\t");
  EXPECT_EQ(usableTempFolder(), L"C:\\t");
  SetEnvironmentVariableW(L"TEMP", saved);
}
