#include "uninstall/ZeloUninstallControl.h"

#include "testing/TestSupport.h"
#include "uninstall/ZeloProcessChecker.h"
#include "uninstall/ZeloUninstallCore.h"
#include "uninstall/tests/RecordingUninstallUI.h"
#include "uninstall/tests/UninstallFixtures.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cwctype>

using uninstalltest::relocatedCopies;
using uninstalltest::waitForFile;

using uninstalltest::kNoQuit;
using uninstalltest::takeQuitCode;

namespace {

// "{8-4-4-4-12 hex digits}", as StringFromGUID2 writes it.
bool isGuidText(const std::wstring& name) {
  if (name.size() != 38 || name.front() != L'{' || name.back() != L'}') return false;
  for (size_t i = 1; i < 37; ++i) {
    bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    if (dash ? name[i] != L'-' : !iswxdigit(name[i])) return false;
  }
  return true;
}

std::wstring firstRecordLine(const std::wstring& record) {
  std::wstring text = zelotest::readUtf16File(record);
  return text.substr(0, text.find(L'\n'));
}

// The uninstaller "running" from an application folder: a copy of the recorder, so that the
// relocated copy tells what it was started with.
class RelocationTest : public uninstalltest::UninstallTest {
 protected:
  void SetUp() override {
    takeQuitCode();
    CopyFileW(zelotest::recorderProgram().c_str(), (app_ / L"Uninstall.exe").c_str(), FALSE);
  }

  ZeloUninstallControl& make(const std::wstring& executable) {
    auto ui = std::make_unique<RecordingUninstallUI>();
    ui_ = ui.get();
    UninstallPaths paths = this->paths();
    paths.executable = executable;
    control_ = std::make_unique<ZeloUninstallControl>(std::move(ui), paths);
    return *control_;
  }
  std::wstring relocation() const { return dataRoot() + L"setup\\uninstall"; }

  zelotest::TempFolder app_{L"app folder"};
  RecordingUninstallUI* ui_ = nullptr;
  std::unique_ptr<ZeloUninstallControl> control_;
};

}  // namespace

TEST_F(RelocationTest, SilentStartRunsItsCopyFromAFreshGuidFolder) {
  zelotest::LogTail tail;
  make(app_ / L"Uninstall.exe").uninstall(L"\"" + app_.path() + L"\\Uninstall.exe\" -silence");
  EXPECT_EQ(takeQuitCode(), 0);

  std::vector<std::wstring> copies = relocatedCopies(dataRoot());
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_TRUE(isGuidText(copies[0].substr(relocation().size() + 1))) << copies[0];
  ASSERT_TRUE(waitForFile(copies[0] + L"\\uninstall.exe.record"));
  EXPECT_EQ(firstRecordLine(copies[0] + L"\\uninstall.exe.record"),
            L"-silencedelete -path \"" + app_.path() + L"\"");
  const std::vector<std::wstring> expected = {
      L"ZeloUninstallControl::uninstall, run model is 1.",
      L"ZeloUninstallControl::_initPath, current path is : " + app_.path() + L"\\",
      L"ZeloUninstallCore::setPath, path is " + app_.path() + L"\\",
      L"para is -silencedelete -path \"" + app_.path() + L"\"",
  };
  EXPECT_EQ(tail.messages(), expected);
  EXPECT_TRUE(ui_->calls().empty());
}

TEST_F(RelocationTest, NextRelocationEmptiesTheRelocationFolder) {
  const std::wstring old = relocation() + L"\\{00000000-0000-0000-0000-000000000000}";
  SHCreateDirectoryExW(nullptr, (old + L"\\nested").c_str(), nullptr);
  zelotest::writeTextFile(old + L"\\uninstall.exe", "earlier copy");
  zelotest::writeTextFile(relocation() + L"\\stray.txt", "x");

  make(app_ / L"Uninstall.exe").uninstall(L"Uninstall.exe -silence");
  EXPECT_EQ(takeQuitCode(), 0);
  std::vector<std::wstring> copies = relocatedCopies(dataRoot());
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_NE(copies[0], old);
  ASSERT_TRUE(waitForFile(copies[0] + L"\\uninstall.exe.record"));
  EXPECT_FALSE(zelotest::pathExists(relocation() + L"\\stray.txt"));
}

// A script must not be told that an uninstallation is under way when none is.
TEST_F(RelocationTest, SilentStartExitsWithOneWhenItsCopyCannotBeMade) {
  zelotest::LogTail tail;
  make(app_ / L"missing.exe").uninstall(L"Uninstall.exe -silence");
  EXPECT_EQ(takeQuitCode(), ZeloUninstallControl::kRelocationFailedCode);
  std::vector<std::wstring> copies = relocatedCopies(dataRoot());
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_TRUE(tail.contains(
      L"ZeloUninstallCore::prepareUninstall, copy file fail dest file is " + copies[0] +
      L"\\uninstall.exe, last error is 2"));
  EXPECT_TRUE(tail.contains(L"runExeFile, CreateProcess return false, last error is 2."));
  EXPECT_TRUE(
      tail.contains(L"ZeloUninstallControl::uninstall, relocation failed, exit code is 1."));
}

TEST_F(RelocationTest, SilentStartExitsWithOneWhenItsCopyCannotStart) {
  zelotest::writeTextFile(app_ / L"not a program.exe", "plain text");
  make(app_ / L"not a program.exe").uninstall(L"Uninstall.exe -silence");
  EXPECT_EQ(takeQuitCode(), ZeloUninstallControl::kRelocationFailedCode);
}

// The prompt's OK: the check finds no product, closes the prompt and relocates with "-delete".
TEST_F(RelocationTest, ConfirmedPromptRelocatesWithDelete) {
  ZeloUninstallControl& control = make(app_ / L"Uninstall.exe");
  control.uninstall(L"Uninstall.exe");
  control.startCheck();
  ASSERT_TRUE(ui_->waitFor(L"closePrompt"));
  control_.reset();  // joins the checker, which relocates after closing the prompt
  std::vector<std::wstring> copies = relocatedCopies(dataRoot());
  ASSERT_EQ(copies.size(), 1u);
  ASSERT_TRUE(waitForFile(copies[0] + L"\\uninstall.exe.record"));
  EXPECT_EQ(firstRecordLine(copies[0] + L"\\uninstall.exe.record"),
            L"-delete -path \"" + app_.path() + L"\"");
  EXPECT_EQ(takeQuitCode(), kNoQuit);  // the prompt window's closing ends the first process
}

TEST_F(RelocationTest, RunningProductParksTheCheckUntilARetryFindsItGone) {
  CopyFileW(zelotest::helperProgram().c_str(), (app_ / L"Zelo.exe").c_str(), FALSE);
  zelotest::HelperProcess product;
  ASSERT_TRUE(product.start(app_ / L"Zelo.exe", L"Zelo.exe sleep 60000", false));
  ZeloUninstallControl& control = make(app_ / L"Uninstall.exe");
  control.uninstall(L"Uninstall.exe");
  control.startCheck();
  ASSERT_TRUE(ui_->waitFor(L"productRunning"));

  product.kill();
  control.startCheck();  // the retry: the parked run is stopped, a fresh one starts
  ASSERT_TRUE(ui_->waitFor(L"closePrompt"));
  const std::vector<std::wstring> expected = {L"showPromptWindow", L"productRunning",
                                              L"closePrompt"};
  EXPECT_EQ(ui_->calls(), expected);
  control_.reset();
  std::vector<std::wstring> copies = relocatedCopies(dataRoot());
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_TRUE(waitForFile(copies[0] + L"\\uninstall.exe.record"));
}

TEST(ProcessChecker, ProductCountsOnlyWhenRunningFromTheInstallFolder) {
  zelotest::TempFolder installed(L"installed"), elsewhere(L"elsewhere");
  CopyFileW(zelotest::helperProgram().c_str(), (elsewhere / L"Zelo.exe").c_str(), FALSE);
  zelotest::HelperProcess product;
  ASSERT_TRUE(product.start(elsewhere / L"Zelo.exe", L"Zelo.exe sleep 60000", false));
  EXPECT_FALSE(ZeloProcessChecker::isProductRunning(installed.path() + L"\\"));
  EXPECT_TRUE(ZeloProcessChecker::isProductRunning(elsewhere.path() + L"\\"));
  product.kill();
}
