#include "base/DataFolders.h"

#include "base/SpecialFolders.h"
#include "testing/TestSupport.h"

#include <gtest/gtest.h>

TEST(DataFolders, InstallKeyIsTheDigestOfTheNormalisedFolder) {
  // MD5 of the ANSI bytes "C:\PROGRAM FILES\TARSEL\ORVIZELO".
  const wchar_t* expected = L"8b7ebc25b2617592512b9226079fec74";
  EXPECT_EQ(installKey(L"C:\\PROGRAM FILES\\TARSEL\\ORVIZELO"), expected);
  EXPECT_EQ(installKey(L"c:/program files//tarsel/orvizelo/"), expected);
  EXPECT_EQ(installKey(L"C:\\Program Files\\tarsel\\OrviZelo\\"), expected);
  EXPECT_NE(installKey(L"D:\\Program Files\\tarsel\\OrviZelo\\"), expected);
}

TEST(DataFolders, TheTwoProgramsKeepTheirOwnRoots) {
  const std::wstring appData = appDataFolder();
  EXPECT_EQ(installerDataRoot(), appData + L"\\OrviZelo\\");
  EXPECT_EQ(uninstallerDataRoot(), appData + L"\\tarsel\\zelo\\");
  EXPECT_TRUE(zelotest::pathExists(uninstallerDataRoot()));
}

TEST(DataFolders, SetupDataDirIsCreatedAndUpdateDataDirIsNot) {
  const std::wstring folder = L"T:\\" + zelotest::uniqueName(L"datadirs") + L"\\";
  const std::wstring root = uninstallerDataRoot();
  const std::wstring setup = setupDataDirUnder(root, folder);
  EXPECT_EQ(setup, root + L"setup\\" + installKey(folder) + L"\\");
  EXPECT_TRUE(zelotest::pathExists(setup));
  const std::wstring update = updateDataDirUnder(root, folder);
  EXPECT_EQ(update, root + L"update\\" + installKey(folder) + L"\\");
  EXPECT_FALSE(zelotest::pathExists(update));
  RemoveDirectoryW(setup.c_str());
}
