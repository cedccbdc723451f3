#include "setup/InstallDataFolders.h"

#include "base/DataFolders.h"
#include "base/SpecialFolders.h"
#include "testing/TestSupport.h"

#include <gtest/gtest.h>

using zelotest::TempFolder;

TEST(InstallDataFolders, FoldersOfAnInstallFolder) {
  const std::wstring folder = L"T:\\" + zelotest::uniqueName(L"datafolders") + L"\\";
  EXPECT_EQ(dataRoot(), appDataFolder() + L"\\OrviZelo\\");
  EXPECT_TRUE(zelotest::pathExists(dataRoot()));
  const std::wstring setup = setupDataDir(folder);
  EXPECT_EQ(setup, dataRoot() + L"setup\\" + installKey(folder) + L"\\");
  EXPECT_TRUE(zelotest::pathExists(setup));
  EXPECT_EQ(updateDataDir(folder), dataRoot() + L"update\\" + installKey(folder) + L"\\");
  EXPECT_FALSE(zelotest::pathExists(updateDataDir(folder)));
  EXPECT_EQ(setupDataDir(L"t:/" + folder.substr(3)), setup);  // same folder, other spelling
  RemoveDirectoryW(setup.c_str());
}

TEST(InstallDataFolders, SpaceFigures) {
  const struct {
    uint64_t bytes;
    uint64_t mb;
    const wchar_t* text;
  } cases[] = {
      {34867765, 133, L"\u6240\u9700\u7a7a\u95f4\uff1a133M"},
      {0, 0, L"\u6240\u9700\u7a7a\u95f4\uff1a0M"},
      {262143, 0, L"\u6240\u9700\u7a7a\u95f4\uff1a0M"},
      {262144, 1, L"\u6240\u9700\u7a7a\u95f4\uff1a1M"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(requiredSpaceMB(c.bytes), c.mb) << c.bytes;
    EXPECT_EQ(requiredSpaceText(requiredSpaceMB(c.bytes)), c.text) << c.bytes;
  }
  EXPECT_EQ(freeSpaceText(2048), L"\u53ef\u7528\u7a7a\u95f4\uff1a2.00G");
  EXPECT_EQ(freeSpaceText(1536.5), L"\u53ef\u7528\u7a7a\u95f4\uff1a1.50G");
  EXPECT_TRUE(hasEnoughSpace(133, 133));
  EXPECT_FALSE(hasEnoughSpace(132.9, 133));
  EXPECT_EQ(archiveResourceBytes(), 0u);  // the test program carries no archive
}

// Four times a 1 GiB payload is 2^32 bytes, which wrapped to 0 MiB in 32-bit arithmetic and let
// the space check pass on any drive.
TEST(InstallDataFolders, RequiredSpaceOfAGigabytePayloadDoesNotWrap) {
  EXPECT_EQ(requiredSpaceMB(1ull << 30), 4096u);
  EXPECT_EQ(requiredSpaceMB(3ull << 30), 12288u);
  EXPECT_FALSE(hasEnoughSpace(100, requiredSpaceMB(1ull << 30)));
}

TEST(InstallDataFolders, PlainRelativeFolderNames) {
  const struct {
    const wchar_t* name;
    bool plain;
  } cases[] = {
      {L"1.1.6.0", true}, {L"old version", true}, {L"", false}, {L".", false}, {L"..", false},
      {L"...", false}, {L"x.", false}, {L"x ", false}, {L"..\\..", false}, {L"a\\..", false},
      {L"a\\b", false}, {L"a/b", false}, {L"\\Windows", false}, {L"C:\\Windows", false},
      {L"C:", false}, {L"C:x", false}, {L"\\\\server\\share", false}, {L"*", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isPlainRelativeFolder(c.name), c.plain) << c.name;
}

namespace {

std::string launcherXml(const std::string& versionLines) {
  return "<?xml version=\"1.0\"?>\n<LauncherInfo>\n" + versionLines + "</LauncherInfo>\n";
}

std::string versionLine(const std::string& zeloPath) {
  return "    <VersionInfo No=\"1.0.0.0\" zeloPath=\"" + zeloPath +
         "\" Enable=\"1\" First=\"0\" Index=\"1\"/>\n";
}

}  // namespace

TEST(InstallDataFolders, VersionFoldersOfLauncherXml) {
  TempFolder install(L"launcher");
  const std::wstring dir = install.path() + L"\\";
  CreateDirectoryW((install / L"1.0.0.0").c_str(), nullptr);
  CreateDirectoryW((install / L"1.1.6.0").c_str(), nullptr);
  ASSERT_TRUE(zelotest::writeTextFile(
      install / L"Launcher.xml",
      launcherXml(versionLine("1.0.0.0") + versionLine("0.9.0.0") + versionLine("1.1.6.0"))));
  const std::vector<std::wstring> expected = {dir + L"\\1.0.0.0", dir + L"\\1.1.6.0"};
  EXPECT_EQ(launcherVersionFolders(dir), expected);
}

TEST(InstallDataFolders, NoVersionFoldersFromAbsentOrDamagedFiles) {
  TempFolder install(L"launcher");
  const std::wstring dir = install.path() + L"\\";
  CreateDirectoryW((install / L"1.0.0.0").c_str(), nullptr);
  EXPECT_TRUE(launcherVersionFolders(dir).empty());  // no Launcher.xml
  const std::string damaged[] = {
      launcherXml(versionLine("0.9.0.0")),  // names a folder that is gone
      "<?xml version=\"1.0\"?>\n<LauncherInfo>\n" + versionLine("1.0.0.0"),  // root not closed
      "<Other>\n" + versionLine("1.0.0.0") + "</Other>\n",
      "",
  };
  for (const std::string& text : damaged) {
    ASSERT_TRUE(zelotest::writeTextFile(install / L"Launcher.xml", text));
    EXPECT_TRUE(launcherVersionFolders(dir).empty()) << text;
  }
}
