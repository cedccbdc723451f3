#include "uninstall/ZeloUninstallControl.h"

#include "base/WideFormat.h"
#include "testing/TestSupport.h"
#include "uninstall/ZeloUninstallCore.h"
#include "uninstall/tests/RecordingUninstallUI.h"
#include "uninstall/tests/UninstallFixtures.h"

#include <gtest/gtest.h>

using uninstalltest::kNoQuit;
using uninstalltest::takeQuitCode;

namespace {

// A command line with "%I" for an existing folder (not an installation, so that a removal run
// starts but refuses to delete it) and "%A" for the uninstaller's own folder.
struct ModelCase {
  const char* name;
  const wchar_t* commandLine;
  int model;
  const wchar_t* path;  // the install path the core ends up with: "%I" or "%A"
  const wchar_t* firstCall;
  int quitCode;
};

const ModelCase kModelCases[] = {
    {"PlainStartPrompts", L"\"%A\\Uninstall.exe\"", 0, L"%A", L"showPromptWindow", kNoQuit},
    {"SilenceRelocates", L"\"%A\\Uninstall.exe\" -silence", 1, L"%A", nullptr, 0},
    {"SilenceWinsOverDelete", L"Uninstall.exe -silence -delete -path %I", 1, L"%A", nullptr, 0},
    {"DeleteWithEqualsPath", L"Uninstall.exe -delete -path=%I", 2, L"%I", L"showMainWindow",
     kNoQuit},
    {"DeleteWithQuotedPath", L"Uninstall.exe -delete -path \"%I\"", 2, L"%I", L"showMainWindow",
     kNoQuit},
    {"DeleteBeforeSilenceDelete", L"Uninstall.exe -silencedelete -delete -path %I", 2, L"%I",
     L"showMainWindow", kNoQuit},
    {"DeleteWithoutPathPrompts", L"Uninstall.exe -delete", 0, L"%A", L"showPromptWindow",
     kNoQuit},
    {"DeleteWithMissingFolderPrompts", L"Uninstall.exe -delete -path T:\\no\\such\\folder", 0,
     L"%A", L"showPromptWindow", kNoQuit},
    {"DeleteWithEmptyPathPrompts", L"Uninstall.exe -delete -path \"\"", 0, L"%A",
     L"showPromptWindow", kNoQuit},
    {"OptionsAreCaseSensitive", L"Uninstall.exe -Delete -path %I", 0, L"%A",
     L"showPromptWindow", kNoQuit},
    {"PathAloneIsAPlainStart", L"Uninstall.exe -path %I", 0, L"%A", L"showPromptWindow",
     kNoQuit},
    {"SilenceDeleteRemovesSilently", L"Uninstall.exe -silencedelete -path %I", 3, L"%I",
     nullptr, 0},
    // The relocated copy receives its options without a program name in front.
    {"RelaunchLineWithoutProgramName", L"-silencedelete -path \"%I\"", 3, L"%I", nullptr, 0},
};

void PrintTo(const ModelCase& row, std::ostream* out) { *out << row.name; }

class UninstallRunModelTest : public uninstalltest::UninstallTest,
                              public ::testing::WithParamInterface<ModelCase> {
 protected:
  void SetUp() override { takeQuitCode(); }

  std::wstring expand(const std::wstring& text) const {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == L'%' && i + 1 < text.size() && text[i + 1] == L'I') {
        out += folder_.path();
        ++i;
      } else if (text[i] == L'%' && i + 1 < text.size() && text[i + 1] == L'A') {
        out += app_.path();
        ++i;
      } else {
        out += text[i];
      }
    }
    return out;
  }

  zelotest::TempFolder folder_{L"notinst"};
  zelotest::TempFolder app_{L"app"};
};

}  // namespace

TEST_P(UninstallRunModelTest, CommandLineChoosesTheRunModel) {
  const ModelCase& row = GetParam();
  zelotest::writeTextFile(folder_ / L"keep.txt", "user data");
  CopyFileW(zelotest::recorderProgram().c_str(), (app_ / L"Uninstall.exe").c_str(), FALSE);
  UninstallPaths paths = this->paths();
  paths.executable = app_ / L"Uninstall.exe";

  zelotest::LogTail tail;
  auto ui = std::make_unique<RecordingUninstallUI>();
  RecordingUninstallUI* calls = ui.get();
  {
    ZeloUninstallControl control(std::move(ui), paths);
    control.uninstall(expand(row.commandLine));
    EXPECT_EQ(static_cast<int>(control.runModel()), row.model);
    EXPECT_EQ(control.core().path(), expand(row.path) + L"\\");
    EXPECT_EQ(takeQuitCode(), row.quitCode);
    if (row.firstCall) {
      ASSERT_FALSE(calls->calls().empty());
      EXPECT_EQ(calls->calls().front(), row.firstCall);
    } else {
      EXPECT_TRUE(calls->calls().empty());  // the silent models report nothing
    }
  }
  EXPECT_TRUE(tail.contains(formatWide(L"ZeloUninstallControl::uninstall, run model is %d.",
                                       row.model)));
  if (row.model == 1) {  // the started copy must be done before its folder goes
    std::vector<std::wstring> copies = uninstalltest::relocatedCopies(dataRoot());
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(uninstalltest::waitForFile(copies[0] + L"\\uninstall.exe.record"));
  }
  EXPECT_TRUE(zelotest::pathExists(folder_ / L"keep.txt"));
}

INSTANTIATE_TEST_SUITE_P(Options, UninstallRunModelTest, ::testing::ValuesIn(kModelCases),
                         [](const ::testing::TestParamInfo<ModelCase>& info) {
                           return std::string(info.param.name);
                         });
