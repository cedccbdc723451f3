#include "setup/ZeloSetupControl.h"

#include "base/SpecialFolders.h"
#include "setup/ZeloSetupCore.h"
#include "setup/tests/InstallTraces.h"
#include "setup/tests/RegistryFixture.h"
#include "setup/tests/SetupFakes.h"
#include "testing/TestSupport.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using zelotest::kNoQuit;
using zelotest::takeQuitCode;

namespace {
std::wstring defaultFolder() {
  return specialFolderPath(CSIDL_PROGRAM_FILES) + L"\\tarsel\\OrviZelo";
}

class SetupControlTest : public InstallerKeyTest {
 protected:
  void SetUp() override {
    InstallerKeyTest::SetUp();
    takeQuitCode();  // nothing left over from an earlier test
  }
  // A successful silent run performs the real install actions.
  void TearDown() override {
    control_.reset();
    removeInstallTraces();
    InstallerKeyTest::TearDown();
  }

  // A controller over the recording UI and an extractor that runs script.
  ZeloSetupControl& make(ScriptedDecompressor::Script script = nullptr) {
    auto decompressor = std::make_unique<ScriptedDecompressor>(std::move(script));
    decompressor_ = decompressor.get();
    control_ = std::make_unique<ZeloSetupControl>(&ui_, std::move(decompressor));
    return *control_;
  }

  RecordingSetupUI ui_;
  ScriptedDecompressor* decompressor_ = nullptr;
  std::unique_ptr<ZeloSetupControl> control_;
};

ScriptedDecompressor::Script finishWith(bool success) {
  return [success](ISetupNotify& n, ScriptedDecompressor&) {
    n.onProgress(0, 2);
    n.onProgress(1, 2);
    n.onDecompressFinish(success);
  };
}

}  // namespace

TEST_F(SetupControlTest, SilentAsLastTokenInstallsIntoTheDefaultFolder) {
  zelotest::LogTail tail;
  ZeloSetupControl& control = make(finishWith(true));
  control.startSetup(L"ZeloSetup.exe -silence");
  EXPECT_EQ(takeQuitCode(), 0);
  EXPECT_TRUE(control.isSilent());
  EXPECT_EQ(control.setupPath(), defaultFolder());
  EXPECT_EQ(decompressor_->targetDir(), defaultFolder() + L"\\");
  EXPECT_EQ(decompressor_->ranOn(), GetCurrentThreadId());
  EXPECT_FALSE(decompressor_->ranAsync());
  EXPECT_TRUE(ui_.calls().empty());  // a silent run posts nothing, progress included
  const std::vector<std::wstring> expected = {
      L"Initialized setup path is " + defaultFolder(),
      L"ZeloSetupControl::startSetup, install model is 1.",
      L"Check step finish, return [CR_Success].",
      L"Check result is CR_Success, and then prepare to decompress.",
      L"ZeloSetupControl::onDecompressFinish, success.",
      L"ZeloSetupCore::doAfterDecompress, decompress finished.",
  };
  std::vector<std::wstring> messages = tail.messages();
  ASSERT_GT(messages.size(), expected.size());
  EXPECT_EQ(std::vector<std::wstring>(messages.begin(), messages.begin() + expected.size()),
            expected);
  EXPECT_EQ(messages.back(), L"Quit application, exit code is 0");
}

TEST_F(SetupControlTest, SilentFolderForms) {
  const struct {
    const wchar_t* commandLine;
    const wchar_t* target;
  } cases[] = {
      {L"ZeloSetup.exe -silence T:\\Apps\\Test", L"T:\\Apps\\Test\\"},
      {L"ZeloSetup.exe -silence=T:\\Apps\\Test", L"T:\\Apps\\Test\\"},
      {L"\"T:\\my setup\\ZeloSetup.exe\" -silence \"T:\\My Apps\\Zelo\"", L"T:\\My Apps\\Zelo\\"},
      {L"ZeloSetup.exe -silence T:\\", L"T:\\OrviZelo\\"},
      // Read as the validity rule reads it: never cut to the drive root.
      {L"ZeloSetup.exe -silence T:/Apps/Test", L"T:\\Apps\\Test\\"},
  };
  for (const auto& c : cases) {
    ZeloSetupControl& control = make(finishWith(true));
    control.startSetup(c.commandLine);
    EXPECT_EQ(takeQuitCode(), 0) << c.commandLine;
    EXPECT_EQ(control.core().installDir(), c.target) << c.commandLine;
    EXPECT_EQ(decompressor_->targetDir(), c.target) << c.commandLine;
    control_.reset();
  }
}

TEST_F(SetupControlTest, SilentDefaultComesFromThePreviousInstallation) {
  setRootDir(L"T:\\previous");
  ZeloSetupControl& control = make(finishWith(true));
  control.startSetup(L"ZeloSetup.exe -silence");
  EXPECT_EQ(takeQuitCode(), 0);
  EXPECT_EQ(decompressor_->targetDir(), L"T:\\previous\\");
}

TEST_F(SetupControlTest, SilentExitCodeFollowsTheExtraction) {
  const struct {
    const char* what;
    ScriptedDecompressor::Script script;
    int code;
  } cases[] = {
      {"success", finishWith(true), 0},
      {"failure", finishWith(false), -5},
      {"product running", [](ISetupNotify& n, ScriptedDecompressor&) { n.onZeloRunning(); }, -4},
      {"file failed", [](ISetupNotify& n, ScriptedDecompressor&) { n.onDecompressFail(L"a.dll"); },
       -5},
  };
  for (const auto& c : cases) {
    zelotest::LogTail tail;
    make(c.script).startSetup(L"ZeloSetup.exe -silence T:\\Apps");
    EXPECT_EQ(takeQuitCode(), c.code) << c.what;
    EXPECT_EQ(tail.last(), L"Quit application, exit code is " + std::to_wstring(c.code))
        << c.what;
    control_.reset();
  }
}

TEST_F(SetupControlTest, SilentInvalidFolderQuitsBeforeAnyExtraction) {
  make(finishWith(true)).startSetup(L"ZeloSetup.exe -silence T:\\Apps\\a|b");
  EXPECT_EQ(takeQuitCode(), -3);
  EXPECT_EQ(decompressor_->runs(), 0);
}

TEST_F(SetupControlTest, SilentWhileAnotherInstallerRunsQuitsWithMinusOne) {
  zelotest::HelperProcess other;
  ASSERT_TRUE(other.start(zelotest::helperProgram(),
                          std::wstring(L"helper hold-mutex ") + product::kSetupMutex, true));
  zelotest::LogTail tail;
  make(finishWith(true)).startSetup(L"ZeloSetup.exe -silence T:\\Apps");
  EXPECT_EQ(takeQuitCode(), -1);
  EXPECT_EQ(decompressor_->runs(), 0);
  const std::vector<std::wstring> expected = {
      L"ZeloSetupControl::startSetup, install model is 1.",
      L"Check step, _isSetupExist return false [CR_SetupExist].",
      L"Check result is CR_SetupExist",
      L"Quit application, exit code is -1",
  };
  EXPECT_EQ(tail.messages(), expected);
}

TEST_F(SetupControlTest, OptionInCapitalsIsInteractive) {
  ZeloSetupControl& control = make();
  control.startSetup(L"ZeloSetup.exe -SILENCE T:\\Apps");
  EXPECT_FALSE(control.isSilent());
  ASSERT_TRUE(ui_.waitCalls(2));
  EXPECT_EQ(ui_.calls()[0], L"showCheckUI");
}

TEST_F(SetupControlTest, InteractiveChecksOnAWorkerAndAsksForTheWizard) {
  zelotest::LogTail tail;
  ZeloSetupControl& control = make();
  control.startSetup(L"ZeloSetup.exe");
  ASSERT_TRUE(ui_.waitCalls(2));
  EXPECT_EQ(ui_.calls(), (std::vector<std::wstring>{L"showCheckUI",
                                                     L"onPrepareShowMainUI " + defaultFolder()}));
  EXPECT_NE(ui_.lastThread(), GetCurrentThreadId());
  control.stopCheck();
  const std::vector<std::wstring> expected = {
      L"ZeloSetupControl::startSetup, install model is 0.",
      L"Initialized setup path is " + defaultFolder(),
      L"Async check environment.",
      L"Check step finish, return [CR_Success].",
      L"Check result is CR_Success, and then prepare to decompress.",
  };
  EXPECT_EQ(tail.messages(), expected);
  EXPECT_EQ(takeQuitCode(), kNoQuit);
}

TEST_F(SetupControlTest, InteractiveCheckFindsAnotherInstaller) {
  zelotest::HelperProcess other;
  ASSERT_TRUE(other.start(zelotest::helperProgram(),
                          std::wstring(L"helper hold-mutex ") + product::kSetupMutex, true));
  make().startSetup(L"ZeloSetup.exe");
  ASSERT_TRUE(ui_.waitCalls(2));
  EXPECT_EQ(ui_.calls()[1], L"onShowSetupExist");
}

// The second installer finds the mutex even while the first one is still on its check window.
TEST_F(SetupControlTest, SecondInstallerInTheSameSessionFindsTheFirst) {
  make().startSetup(L"ZeloSetup.exe");
  ASSERT_TRUE(ui_.waitCalls(2));
  control_->stopCheck();
  RecordingSetupUI secondUi;
  ZeloSetupControl second(&secondUi, std::make_unique<ScriptedDecompressor>(nullptr));
  second.startSetup(L"ZeloSetup.exe -silence T:\\Apps");
  EXPECT_EQ(takeQuitCode(), -1);
}

TEST_F(SetupControlTest, InteractiveExtractionReportsThroughTheUIFromTheWorker) {
  ZeloSetupControl& control = make(finishWith(true));
  control.setSetupPath(L"T:\\");
  EXPECT_EQ(control.setupPath(), L"T:\\");
  EXPECT_EQ(control.core().installDir(), L"T:\\OrviZelo\\");
  control.startDecompress(true);
  ASSERT_TRUE(ui_.waitCalls(3));
  EXPECT_EQ(ui_.calls(), (std::vector<std::wstring>{L"onShowProgress 0/2", L"onShowProgress 1/2",
                                                     L"onDecompressFinish"}));
  EXPECT_NE(ui_.lastThread(), GetCurrentThreadId());
  EXPECT_TRUE(decompressor_->ranAsync());
  EXPECT_EQ(decompressor_->targetDir(), L"T:\\OrviZelo\\");
}

TEST_F(SetupControlTest, InteractiveFailuresBecomeWindowMessages) {
  make([](ISetupNotify& n, ScriptedDecompressor&) {
    n.onZeloRunning();
    n.onDecompressFail(L"x.dll");
    n.onDecompressFinish(false);
  }).startDecompress(true);
  ASSERT_TRUE(ui_.waitCalls(3));
  EXPECT_EQ(ui_.calls(), (std::vector<std::wstring>{L"onShowZeloRunning", L"onShowRetryUI",
                                                     L"onQuitSetup"}));
}

// The wizard's cancel while the extractor waits for the user: the worker returns unreported.
TEST_F(SetupControlTest, StopWhileWaitingForTheUserEndsWithoutFinish) {
  ZeloSetupControl& control = make([](ISetupNotify& n, ScriptedDecompressor& self) {
    n.onZeloRunning();
    while (!self.stopRequested() && !self.isForceQuitRequested()) Sleep(5);
  });
  control.startDecompress(true);
  ASSERT_TRUE(ui_.waitCalls(1));
  control.stopDecompress();
  EXPECT_EQ(ui_.calls(), std::vector<std::wstring>{L"onShowZeloRunning"});
  EXPECT_FALSE(decompressor_->isRunning());
}

TEST_F(SetupControlTest, ForceQuitReachesTheExtractor) {
  zelotest::LogTail tail;
  ZeloSetupControl& control = make();
  control.forceQuit();
  EXPECT_TRUE(decompressor_->isForceQuitRequested());
  EXPECT_TRUE(tail.contains(L"ZeloSetupDecompressor::forceQuit, User want to force quit app."));
}

TEST_F(SetupControlTest, RecheckRunsTheCheckAgain) {
  ZeloSetupControl& control = make();
  control.startSetup(L"ZeloSetup.exe");
  ASSERT_TRUE(ui_.waitCalls(2));
  control.recheck();
  ASSERT_TRUE(ui_.waitCalls(3));
  EXPECT_EQ(ui_.calls()[2], L"onPrepareShowMainUI " + defaultFolder());
}
