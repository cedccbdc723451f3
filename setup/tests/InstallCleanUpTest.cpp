#include "setup/InstallCleanUp.h"

#include "base/FileUtils.h"
#include "setup/InstallDataFolders.h"
#include "setup/ZeloSetupCore.h"
#include "setup/tests/SetupFakes.h"
#include "testing/TestSupport.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using zelotest::pathExists;
using zelotest::TempFolder;

namespace {

void put(const std::wstring& path, const std::string& text = "x") {
  SHCreateDirectoryExW(nullptr, path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
  ASSERT_TRUE(zelotest::writeTextFile(path, text));
}

bool isEmptyFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return false;
  int entries = 0;
  do {
    if (wcscmp(entry.cFileName, L".") && wcscmp(entry.cFileName, L"..")) ++entries;
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return entries == 0;
}

std::string versionLine(const std::wstring& zeloPath) {
  std::string narrow(zeloPath.begin(), zeloPath.end());
  return "    <VersionInfo No=\"1.0.0.0\" zeloPath=\"" + narrow + "\" Enable=\"1\"/>\n";
}

// An earlier installation in outer\install, with its data folders, marker files and version
// folders, and files beside it that no clean-up may touch.
class InstallCleanUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SHCreateDirectoryExW(nullptr, install_.c_str(), nullptr);
    dir_ = install_ + L"\\";
    setup_ = setupDataDir(dir_);
    update_ = updateDataDir(dir_);
    put(setup_ + L"temp\\nested\\a.txt");
    put(setup_ + L"updatefiles\\b.txt");
    put(update_ + L"cache\\c.txt");
    put(setup_ + L"ProductInfo.txt");
    put(install_ + L"\\oem.txt");
    put(install_ + L"\\1.0.0.0\\old.dll");
    put(install_ + L"\\keep\\k.txt");
    put(outer_ / L"sentinel.txt", "keep");
    put(elsewhere_ / L"precious.txt", "keep");
  }
  void TearDown() override {
    zelotest::removeTree(setup_);
    zelotest::removeTree(update_);
  }

  void cleanUp() {
    ZeloSetupCore core(nullptr, std::make_unique<ScriptedDecompressor>(nullptr));
    core.cleanUpFile(dir_);
  }
  void expectOutsideUntouched() {
    EXPECT_EQ(zelotest::readFileBytes(outer_ / L"sentinel.txt").size(), 4u);
    EXPECT_EQ(zelotest::readFileBytes(elsewhere_ / L"precious.txt").size(), 4u);
    EXPECT_TRUE(pathExists(install_ + L"\\keep\\k.txt"));
  }

  TempFolder outer_{L"earlier"};
  TempFolder elsewhere_{L"elsewhere"};
  std::wstring install_ = outer_ / L"install";
  std::wstring dir_, setup_, update_;
};

}  // namespace

TEST_F(InstallCleanUpTest, EarlierInstallationIsClearedInOrder) {
  ASSERT_TRUE(zelotest::writeTextFile(
      install_ + L"\\Launcher.xml",
      "<?xml version=\"1.0\"?>\n<LauncherInfo>\n" + versionLine(L"1.0.0.0") +
          versionLine(L"0.9.0.0") + "</LauncherInfo>\n"));
  zelotest::LogTail tail;
  cleanUp();
  EXPECT_TRUE(isEmptyFolder(setup_ + L"temp"));
  EXPECT_TRUE(isEmptyFolder(setup_ + L"updatefiles"));
  EXPECT_TRUE(isEmptyFolder(update_));
  EXPECT_FALSE(pathExists(setup_ + L"ProductInfo.txt"));
  EXPECT_FALSE(pathExists(install_ + L"\\oem.txt"));
  EXPECT_FALSE(pathExists(install_ + L"\\1.0.0.0"));
  expectOutsideUntouched();
  const std::wstring prefix = L"ZeloSetupCore::cleanUpFile, ";
  const std::vector<std::wstring> expected = {
      prefix + L"delete temp directory " + setup_ + L"temp",
      prefix + L"Delete temp directory " + setup_ + L"updatefiles",
      prefix + L"strUpdateCachePath=" + update_,
      prefix + L"Delete temp directory " + dir_ + L"\\oem.txt",
      prefix + L"Delete temp directory " + setup_ + L"ProductInfo.txt",
      prefix + L"clean single directory old files.",
      prefix + L"clean old directories before install.",
  };
  EXPECT_EQ(tail.messages(), expected);
}

// A "zeloPath" of "..", an absolute path or a drive made the clean-up remove folders outside
// the installation.
TEST_F(InstallCleanUpTest, HostileZeloPathNeverLeavesTheInstallFolder) {
  const std::wstring hostile[] = {L"..", L"..\\..", L"...", L"..\\install\\..\\..",
                                  elsewhere_.path(), L"T:", L"T:\\", L"\\tmp", L"1.0.0.0\\..\\.."};
  std::string lines;
  for (const std::wstring& h : hostile) lines += versionLine(h);
  ASSERT_TRUE(zelotest::writeTextFile(install_ + L"\\Launcher.xml",
                                      "<LauncherInfo>\n" + lines + "</LauncherInfo>\n"));
  zelotest::LogTail tail;
  cleanUp();
  expectOutsideUntouched();
  EXPECT_TRUE(pathExists(install_ + L"\\1.0.0.0\\old.dll"));  // listed only through ".."
  EXPECT_TRUE(pathExists(install_ + L"\\Launcher.xml"));
  for (const std::wstring& h : hostile)
    EXPECT_TRUE(tail.contains(L"ZeloSetupCore::cleanUpFile, skip version folder \"" + h +
                              L"\": not a folder inside " + dir_))
        << h;
}

TEST_F(InstallCleanUpTest, VersionFolderThatIsALinkGoesAsALink) {
  const std::wstring link = install_ + L"\\linked";
  // NOTE: Wine 8 answers TRUE here without making a link; only a link that exists counts.
  CreateSymbolicLinkW(link.c_str(), elsewhere_.path().c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
  const DWORD attributes = GetFileAttributesW(link.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !isReparsePoint(attributes))
    GTEST_SKIP() << "directory links cannot be made here";
  ASSERT_TRUE(zelotest::writeTextFile(install_ + L"\\Launcher.xml",
                                      "<LauncherInfo>" + versionLine(L"linked") + "</LauncherInfo>"));
  cleanUp();
  EXPECT_FALSE(pathExists(link));
  expectOutsideUntouched();
}

TEST(IsBelowFolder, OnlyPathsInsideTheRoot) {
  const struct {
    const wchar_t* path;
    bool inside;
  } cases[] = {
      {L"T:\\a\\b", true},     {L"t:\\A\\b\\c", true}, {L"T:\\a\\\\b", true},
      {L"T:\\a", false},       {L"T:\\ab", false},     {L"T:\\a\\..\\b", false},
      {L"T:\\a\\b\\..", false}, {L"T:\\a\\.\\b", false}, {L"T:\\a\\b/../..", false},
      {L"T:\\a\\C:\\x", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isBelowFolder(c.path, L"T:\\a\\"), c.inside) << c.path;
}
