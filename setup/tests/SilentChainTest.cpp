// The whole silent installation in one process that carries the demo product: check, extraction
// into the three target roots, install actions, exit code.
#include "setup/ZeloSetupControl.h"

#include "base/DataFolders.h"
#include "setup/ProductNames.h"
#include "setup/ZeloSetupCore.h"
#include "setup/tests/InstallTraces.h"
#include "setup/tests/RegistryFixture.h"
#include "setup/tests/SetupFakes.h"
#include "testing/TestSupport.h"

#include <gtest/gtest.h>

using zelotest::pathExists;
using zelotest::TempFolder;

using zelotest::takeQuitCode;

namespace {

std::wstring registryString(const wchar_t* key, const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD bytes = sizeof value - sizeof(wchar_t);
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
    return L"(no key)";
  LONG result = RegQueryValueExW(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &bytes);
  RegCloseKey(handle);
  return result == ERROR_SUCCESS ? value : L"(no value)";
}

// The recorded command line of a demo program started by the installer (it may still be
// starting when the installer returns, since only some programs are waited for).
std::wstring recordedCommandLine(const std::wstring& program) {
  const std::wstring record = program + L".record";
  for (int i = 0; i < 300 && !pathExists(record); ++i) Sleep(10);
  Sleep(50);
  std::wstring text = zelotest::readUtf16File(record);
  return text.substr(0, text.find(L'\n'));
}

class SilentChainTest : public InstallerKeyTest {
 protected:
  void SetUp() override {
    InstallerKeyTest::SetUp();
    takeQuitCode();
  }
  void TearDown() override {
    removeInstallTraces();
    std::wstring data = setupDataDirUnder(installerDataRoot(), D());
    zelotest::removeTree(data.substr(0, data.size() - 1));
    InstallerKeyTest::TearDown();
  }
  std::wstring D() const { return dir_.path() + L"\\OrviZelo\\"; }

  int install() {
    RecordingSetupUI ui;
    ZeloSetupControl control(&ui);
    control.startSetup(L"ZeloSetup.exe -silence \"" + dir_.path() + L"\\OrviZelo\"");
    EXPECT_TRUE(ui.calls().empty());
    return takeQuitCode();
  }

  TempFolder dir_{L"chain"};
};

}  // namespace

TEST_F(SilentChainTest, InstallsTheDemoProductAndSetsUpTheMachine) {
  zelotest::LogTail tail;
  ASSERT_EQ(install(), 0);
  for (const wchar_t* file : {L"OrviZelo.exe", L"zelolauncher.exe", L"Launcher.xml",
                              L"1.1.6.0\\setupmetrics.exe", L"1.1.6.0\\zelorun.exe",
                              L"1.1.6.0\\ReleaseNotes.txt", L"1.1.6.0\\layout\\fonts.xml",
                              L"Microsoft.VC90.CRT\\Microsoft.VC90.CRT.manifest",
                              L"Microsoft.VC90.CRT\\zelocrt90.dll"})
    EXPECT_TRUE(pathExists(D() + file)) << file;
  const std::wstring data = setupDataDirUnder(installerDataRoot(), D());
  for (const wchar_t* file : {L"ReleaseNotes.txt", L"lang.config", L"install.dat"})
    EXPECT_TRUE(pathExists(data + file)) << file;
  EXPECT_TRUE(zelotest::readFileBytes(data + L"install.dat").empty());
  EXPECT_FALSE(pathExists(D() + L"InstallDir"));

  EXPECT_EQ(registryString(product::kRegistryKey, L"RootDir"), D());
  EXPECT_EQ(recordedCommandLine(D() + L"1.1.6.0\\setupmetrics.exe"),
            L"\"" + D() + L"1.1.6.0\\setupmetrics.exe\" \"\"|1.1.6.0|4|i|\"\"");
  EXPECT_EQ(recordedCommandLine(D() + L"1.1.6.0\\zelorun.exe"),
            L"\"" + D() + L"1.1.6.0\\zelorun.exe\" \"-reg\"");
  EXPECT_TRUE(tail.contains(L"ZeloSetupCore::_installCrt, installAsm return-value is 0."));
  EXPECT_EQ(tail.last(), L"Quit application, exit code is 0");
}

TEST_F(SilentChainTest, ReinstallOverAnEarlierInstallationSucceeds) {
  ASSERT_EQ(install(), 0);
  ASSERT_TRUE(zelotest::writeTextFile(D() + L"1.1.6.0\\stale.txt", "left over\n"));
  EXPECT_EQ(install(), 0);
  EXPECT_TRUE(pathExists(D() + L"OrviZelo.exe"));
  EXPECT_FALSE(pathExists(D() + L"1.1.6.0\\stale.txt"));  // the version folder was cleared
}
