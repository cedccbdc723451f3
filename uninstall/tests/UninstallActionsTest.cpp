#include "uninstall/UninstallActions.h"

#include "testing/TestSupport.h"
#include "uninstall/tests/UninstallFixtures.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using uninstalltest::OlderRegistryEntries;
using zelotest::pathExists;

namespace {

class UninstallActionsTest : public uninstalltest::UninstallTest {
 protected:
  void link(const std::wstring& folder, const std::wstring& name) {
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    zelotest::writeTextFile(folder + L"\\" + name + L".lnk", "link");
  }
  std::wstring group() const { return programs() + L"\\Tarsel"; }

  // Every shortcut of the older generation, and one beside them that is not its own.
  void createAllShortcuts() {
    for (const wchar_t* name : kDesktopNames) link(desktop(), name);
    link(desktop(), L"Other");
    link(group(), L"Zelo Corvid");
    link(group(), L"卸载Zelo Corvid");
    link(startMenu(), L"Zelo Corvid");
  }

  static constexpr const wchar_t* kDesktopNames[] = {
      L"Zelo Corvid", L"Zelo Tamsin", L"Zelo Larkspur", L"Quillon",
      L"Larkspur",    L"Brindle",     L"Orlet-Fennick",
  };
};

}  // namespace

TEST_F(UninstallActionsTest, RegistryRemovalTakesTheOlderEntriesOnly) {
  OlderRegistryEntries entries;
  removeRegistryEntries();
  EXPECT_FALSE(OlderRegistryEntries::runValueExists(L"Zelo"));
  EXPECT_FALSE(OlderRegistryEntries::runValueExists(L"ZeloAssistant"));
  EXPECT_TRUE(OlderRegistryEntries::runValueExists(entries.neighbour()));
  EXPECT_FALSE(OlderRegistryEntries::keyExists(uninstalltest::kProductKey));
  EXPECT_FALSE(OlderRegistryEntries::keyExists(uninstalltest::kUninstallEntry));
}

TEST_F(UninstallActionsTest, ProductKeyWithASubKeyStays) {
  OlderRegistryEntries entries(/*productSubKey=*/true);
  removeRegistryEntries();
  EXPECT_TRUE(OlderRegistryEntries::keyExists(uninstalltest::kProductKey));
  EXPECT_FALSE(OlderRegistryEntries::runValueExists(L"Zelo"));
  EXPECT_FALSE(OlderRegistryEntries::keyExists(uninstalltest::kUninstallEntry));
}

TEST_F(UninstallActionsTest, NothingToRemoveIsNoError) {
  removeRegistryEntries();
  removeShortcuts();
  EXPECT_FALSE(OlderRegistryEntries::keyExists(uninstalltest::kProductKey));
  EXPECT_TRUE(pathExists(desktop()));
}

TEST_F(UninstallActionsTest, ShortcutRemovalEmptiesTheGroupAndKeepsOthers) {
  createAllShortcuts();
  removeShortcuts();
  for (const wchar_t* name : kDesktopNames)
    EXPECT_FALSE(pathExists(desktop() + L"\\" + name + L".lnk")) << name;
  EXPECT_TRUE(pathExists(desktop() + L"\\Other.lnk"));
  EXPECT_FALSE(pathExists(group()));
  EXPECT_FALSE(pathExists(startMenu() + L"\\Zelo Corvid.lnk"));
}

TEST_F(UninstallActionsTest, GroupHoldingOtherFilesStays) {
  createAllShortcuts();
  link(group(), L"Someone else");
  removeShortcuts();
  EXPECT_FALSE(pathExists(group() + L"\\Zelo Corvid.lnk"));
  EXPECT_FALSE(pathExists(group() + L"\\卸载Zelo Corvid.lnk"));
  EXPECT_TRUE(pathExists(group() + L"\\Someone else.lnk"));
}

TEST_F(UninstallActionsTest, MissingDesktopFolderStopsTheWholeShortcutRemoval) {
  createAllShortcuts();
  uninstalltest::ShellFolderRedirect gone(L"Desktop", shell_ / L"no such desktop");
  removeShortcuts();
  EXPECT_TRUE(pathExists(group() + L"\\Zelo Corvid.lnk"));
  EXPECT_TRUE(pathExists(startMenu() + L"\\Zelo Corvid.lnk"));
  EXPECT_TRUE(pathExists(desktop() + L"\\Zelo Corvid.lnk"));
}
