// ZeloSetup.exe started as a real process: each silent outcome as its exit code.
#include "base/DataFolders.h"
#include "base/SpecialFolders.h"
#include "setup/ProductNames.h"
#include "setup/tests/InstallTraces.h"
#include "setup/tests/RegistryFixture.h"
#include "testing/TestSupport.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using zelotest::HelperProcess;
using zelotest::pathExists;
using zelotest::TempFolder;

namespace {

std::wstring setupLog() {
  return appDataFolder() + L"\\tarsel\\OrviZelo\\setup\\setupV2.log";
}

std::wstring defaultFolder() {
  return specialFolderPath(CSIDL_PROGRAM_FILES) + L"\\tarsel\\OrviZelo";
}

class ZeloSetupProgram : public InstallerKeyTest {
 protected:
  void TearDown() override {
    removeInstallTraces();
    for (const std::wstring& folder : installed_) {
      std::wstring data = setupDataDirUnder(installerDataRoot(), folder);
      zelotest::removeTree(data.substr(0, data.size() - 1));
    }
    InstallerKeyTest::TearDown();
  }

  // Runs the program with arguments (after its own name) and returns its exit code.
  int run(const std::wstring& arguments, const wchar_t* program = L"ZeloSetup.exe") {
    HelperProcess setup;
    const std::wstring path = zelotest::binFolder() + L"\\" + program;
    if (!setup.start(path, std::wstring(program) + L" " + arguments, false)) return -1000;
    return setup.waitExit(60000);
  }
  std::wstring D(const std::wstring& name) {
    installed_.push_back(dir_.path() + L"\\" + name + L"\\");
    return dir_.path() + L"\\" + name;
  }

  TempFolder dir_{L"program"};
  std::vector<std::wstring> installed_;
};

}  // namespace

TEST_F(ZeloSetupProgram, SilentAloneInstallsIntoTheDefaultFolder) {
  zelotest::LogTail tail(setupLog());
  installed_.push_back(defaultFolder() + L"\\");
  EXPECT_EQ(run(L"-silence"), 0);
  EXPECT_TRUE(pathExists(defaultFolder() + L"\\OrviZelo.exe"));
  EXPECT_TRUE(pathExists(defaultFolder() + L"\\1.1.6.0\\layout\\fonts.xml"));
  const std::vector<std::wstring> lines = tail.messages();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), L"Setup start, command line is -silence");
  EXPECT_EQ(lines.back(), L"Quit application, exit code is 0");
  zelotest::removeTree(defaultFolder());
}

TEST_F(ZeloSetupProgram, SilentWithAFolderInEachForm) {
  const struct {
    const wchar_t* form;
    std::wstring folder;
  } cases[] = {
      {L"blank", D(L"Blank")},
      {L"equals", D(L"Equals")},
      {L"quoted", D(L"With Blank")},
  };
  for (const auto& c : cases) {
    const std::wstring form = c.form;
    const std::wstring args = form == L"blank"    ? L"-silence " + c.folder
                              : form == L"equals" ? L"-silence=" + c.folder
                                                  : L"-silence \"" + c.folder + L"\"";
    EXPECT_EQ(run(args), 0) << c.form;
    EXPECT_TRUE(pathExists(c.folder + L"\\OrviZelo.exe")) << c.form;
  }
}

TEST_F(ZeloSetupProgram, AnotherInstallerRunningGivesMinusOne) {
  HelperProcess other;
  ASSERT_TRUE(other.start(zelotest::helperProgram(),
                          std::wstring(L"helper hold-mutex ") + product::kSetupMutex, true));
  zelotest::LogTail tail(setupLog());
  EXPECT_EQ(run(L"-silence " + D(L"Busy")), -1);
  EXPECT_FALSE(pathExists(dir_.path() + L"\\Busy"));
  EXPECT_EQ(tail.last(), L"Quit application, exit code is -1");
}

TEST_F(ZeloSetupProgram, InvalidFolderGivesMinusThreeAndInstallsNothing) {
  EXPECT_EQ(run(L"-silence " + dir_.path() + L"\\a|b"), -3);
  EXPECT_FALSE(pathExists(dir_.path() + L"\\a"));
}

TEST_F(ZeloSetupProgram, ProductRunningFromTheTargetGivesMinusFour) {
  const std::wstring folder = D(L"Running");
  SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  const std::wstring product = folder + L"\\OrviZelo.exe";
  ASSERT_TRUE(CopyFileW((zelotest::binFolder() + L"\\demo\\OrviZelo.exe").c_str(), product.c_str(),
                        FALSE));
  HelperProcess running;
  ASSERT_TRUE(running.start(product, L"OrviZelo.exe --ignore-quit", false));
  for (int i = 0; i < 100 && !pathExists(product + L".record"); ++i) Sleep(20);
  EXPECT_EQ(run(L"-silence " + folder), -4);
  EXPECT_FALSE(pathExists(folder + L"\\Launcher.xml"));
  running.kill();
}

TEST_F(ZeloSetupProgram, DamagedPayloadGivesMinusFive) {
  zelotest::LogTail tail(setupLog());
  EXPECT_EQ(run(L"-silence " + D(L"Damaged"), L"ZeloSetupDamaged.exe"), -5);
  EXPECT_TRUE(tail.contains(L"ZeloSetupControl::onDecompressFinish, fail."));
  EXPECT_FALSE(pathExists(dir_.path() + L"\\Damaged\\zelolauncher.exe"));  // after the damage
}

TEST_F(ZeloSetupProgram, OptionInCapitalsIsNotRecognised) {
  zelotest::LogTail tail(setupLog());
  EXPECT_EQ(run(L"-SILENCE " + D(L"Capitals")), 0);
  EXPECT_TRUE(tail.contains(L"ZeloSetupControl::startSetup, install model is 0."));
  EXPECT_FALSE(pathExists(dir_.path() + L"\\Capitals"));
}
