#include "base/FileUtils.h"

#include "testing/TestSupport.h"

#include <gtest/gtest.h>

using zelotest::HelperProcess;
using zelotest::pathExists;
using zelotest::TempFolder;

namespace {

void writeText(const std::wstring& path, const std::string& text) {
  ASSERT_TRUE(zelotest::writeTextFile(path, text));
}

std::string readText(const std::wstring& path) {
  std::vector<uint8_t> bytes = zelotest::readFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(SetAsideFile, MovesAFileThatIsNotLockedAnyway) {
  TempFolder dir(L"aside");
  writeText(dir / L"OrviZelo.exe", "new");
  writeText(dir / L"OrviZelo.exe.old", "older");
  EXPECT_TRUE(setAsideFile(dir / L"OrviZelo.exe"));
  EXPECT_FALSE(pathExists(dir / L"OrviZelo.exe"));
  EXPECT_EQ(readText(dir / L"OrviZelo.exe.old"), "new");
}

// A running program's file is open with delete sharing, which allows the rename.
TEST(SetAsideFile, MovesAFileHeldOpenByAnotherProcess) {
  TempFolder dir(L"aside");
  writeText(dir / L"OrviZelo.exe", "held");
  HelperProcess holder;
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_DELETE;
  ASSERT_TRUE(holder.start(zelotest::helperProgram(),
                           L"helper hold-file \"" + (dir / L"OrviZelo.exe") + L"\" " +
                               std::to_wstring(share),
                           true));
  EXPECT_TRUE(setAsideFile(dir / L"OrviZelo.exe"));
  EXPECT_FALSE(pathExists(dir / L"OrviZelo.exe"));
  EXPECT_EQ(readText(dir / L"OrviZelo.exe.old"), "held");
  // The name is free again for the new file.
  writeText(dir / L"OrviZelo.exe", "new");
  EXPECT_EQ(holder.release(), 0);
}

// Cutting the names at 258 characters would rename another file, or to another name.
TEST(SetAsideFile, LongNamesAreUsedWhole) {
  TempFolder dir(L"aside");
  std::wstring path = dir.path() + L"\\";
  path += std::wstring(257 - path.size(), L'n');
  ASSERT_EQ(path.size(), 257u);
  writeText(path, "long");
  EXPECT_TRUE(setAsideFile(path));
  EXPECT_EQ(readText(path + L".old"), "long");
  EXPECT_FALSE(pathExists(path));
}

TEST(SetAsideFile, MissingFileFails) {
  TempFolder dir(L"aside");
  EXPECT_FALSE(setAsideFile(dir / L"missing.dll"));
  EXPECT_FALSE(pathExists(dir / L"missing.dll.old"));
}

TEST(DeleteDirContents, LeavesOnlyTheFolderItself) {
  TempFolder dir(L"contents");
  CreateDirectoryW((dir / L"a").c_str(), nullptr);
  CreateDirectoryW((dir / L"a\\b").c_str(), nullptr);
  writeText(dir / L"a\\b\\deep.txt", "x");
  writeText(dir / L"a\\file.txt", "x");
  writeText(dir / L"top.txt", "x");
  writeText(dir / L"readonly.txt", "x");
  SetFileAttributesW((dir / L"readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  deleteDirContents(dir.path());
  EXPECT_TRUE(pathExists(dir.path()));
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((dir / L"*").c_str(), &entry);
  int entries = 0;
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (wcscmp(entry.cFileName, L".") && wcscmp(entry.cFileName, L"..")) ++entries;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  EXPECT_EQ(entries, 0);
}

TEST(DeleteDirContents, MissingFolderIsNoError) {
  deleteDirContents(L"T:\\" + zelotest::uniqueName(L"missing"));
}

TEST(DeleteDirContents, NeverFollowsADirectoryLink) {
  TempFolder dir(L"contents");
  TempFolder outside(L"outside");
  writeText(outside / L"precious.txt", "keep");
  std::wstring link = dir / L"link";
  // NOTE: Wine 8 answers TRUE here without making a link; only a link that exists counts.
  CreateSymbolicLinkW(link.c_str(), outside.path().c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
  const DWORD attributes = GetFileAttributesW(link.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !isReparsePoint(attributes))
    GTEST_SKIP() << "directory links cannot be made here";
  deleteDirContents(dir.path());
  EXPECT_FALSE(pathExists(link));
  EXPECT_EQ(readText(outside / L"precious.txt"), "keep");
}
