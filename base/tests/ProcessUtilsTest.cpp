#include "base/ProcessUtils.h"

#include "testing/TestSupport.h"

#include <gtest/gtest.h>

using zelotest::TempFolder;

namespace {

// A copy of the recorder at a path of the test's choosing; read() gives the two lines it wrote.
class Recorder {
 public:
  explicit Recorder(std::wstring path) : path_(std::move(path)) {
    CopyFileW(zelotest::recorderProgram().c_str(), path_.c_str(), FALSE);
  }
  const std::wstring& path() const { return path_; }
  bool ran() const { return zelotest::pathExists(path_ + L".record"); }
  std::wstring commandLine() const { return line(0); }
  std::wstring workingDir() const { return line(1); }
  // The recorder runs on after runProcess returns when not waited for.
  bool waitRecord() const {
    for (int i = 0; i < 500 && !ran(); ++i) Sleep(10);
    Sleep(50);
    return ran();
  }

 private:
  std::wstring line(int index) const {
    std::wstring text = zelotest::readUtf16File(path_ + L".record");
    size_t start = 0;
    for (int i = 0; i < index; ++i) start = text.find(L'\n', start) + 1;
    return text.substr(start, text.find(L'\n', start) - start);
  }
  std::wstring path_;
};

std::wstring currentDir() {
  wchar_t cwd[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, cwd);
  return cwd;
}

}  // namespace

TEST(RunProcess, WithArgumentQuotesBothAndUsesTheWorkingFolder) {
  TempFolder dir(L"runprocess");
  Recorder recorder(dir / L"setupmetrics.exe");
  runProcess(recorder.path(), L"-reg", dir.path().c_str(), true);
  ASSERT_TRUE(recorder.ran());
  EXPECT_EQ(recorder.commandLine(), L"\"" + recorder.path() + L"\" \"-reg\"");
  EXPECT_EQ(recorder.workingDir(), dir.path());
}

TEST(RunProcess, WithoutArgumentPassesThePathAloneUnquoted) {
  TempFolder dir(L"runprocess");
  Recorder recorder(dir / L"zelorun.exe");
  runProcess(recorder.path(), nullptr, nullptr, true);
  ASSERT_TRUE(recorder.ran());
  EXPECT_EQ(recorder.commandLine(), recorder.path());
  EXPECT_EQ(recorder.workingDir(), currentDir());
}

// Unquoted, "T:\...\Program Files\x.exe" would start "T:\...\Program.exe" if one exists.
TEST(RunProcess, PathWithBlanksNeverStartsAShorterPrefix) {
  TempFolder dir(L"runprocess");
  CreateDirectoryW((dir / L"Program Files").c_str(), nullptr);
  Recorder decoy(dir / L"Program.exe");
  Recorder target(dir / L"Program Files\\zelorun.exe");
  runProcess(target.path(), nullptr, nullptr, true);
  EXPECT_TRUE(target.ran());
  EXPECT_FALSE(decoy.ran());
  EXPECT_EQ(target.commandLine(), target.path());
}

TEST(RunProcess, WithoutWaitReturnsWhileTheProgramRuns) {
  TempFolder dir(L"runprocess");
  Recorder recorder(dir / L"r.exe");
  DWORD start = GetTickCount();
  runProcess(recorder.path(), L"sleep:3000", nullptr, false);
  EXPECT_LT(GetTickCount() - start, 2500u);
  EXPECT_TRUE(recorder.waitRecord());
  Sleep(3200);  // let it end before the folder goes
}

TEST(RunProcess, MissingProgramIsSilent) {
  zelotest::LogTail tail;
  runProcess(L"T:\\no\\such\\program.exe", L"-reg", nullptr, true);
  EXPECT_TRUE(tail.messages().empty());
}

TEST(RunExeFile, PassesTheCommandLineUnchangedWithoutWorkingFolder) {
  TempFolder dir(L"runexe");
  Recorder recorder(dir / L"uninstall.exe");
  EXPECT_TRUE(
      runExeFile(recorder.path(), L"-silencedelete -path \"C:\\Program Files\\x\"", true));
  ASSERT_TRUE(recorder.ran());
  EXPECT_EQ(recorder.commandLine(), L"-silencedelete -path \"C:\\Program Files\\x\"");
  EXPECT_EQ(recorder.workingDir(), currentDir());
}

TEST(RunExeFile, FailureIsLoggedWithTheSystemError) {
  zelotest::LogTail tail;
  EXPECT_FALSE(runExeFile(zelotest::binFolder() + L"\\no-such-program.exe", L"x", true));
  EXPECT_EQ(tail.messages(), std::vector<std::wstring>{
                                 L"runExeFile, CreateProcess return false, last error is 2."});
}

TEST(RunExeFile, WaitGivesUpAfterTenSeconds) {
  zelotest::LogTail tail;
  DWORD start = GetTickCount();
  EXPECT_TRUE(runExeFile(zelotest::helperProgram(), L"helper sleep 12000", true));
  DWORD elapsed = GetTickCount() - start;
  EXPECT_GE(elapsed, 9900u);
  EXPECT_LT(elapsed, 11900u);
  EXPECT_EQ(tail.messages(), std::vector<std::wstring>{L"runExeFile, WaitForSingleObject timeout."});
}

TEST(FindProcessWindow, FindsTheWindowOfTheProcessByExactClass) {
  const std::wstring className = zelotest::uniqueName(L"ZeloTestClass");
  zelotest::HelperProcess helper;
  ASSERT_TRUE(helper.start(zelotest::helperProgram(), L"helper window " + className, true));
  HWND window = findProcessWindow(helper.pid(), className);
  ASSERT_NE(window, nullptr);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  EXPECT_EQ(owner, helper.pid());

  std::wstring otherCase = className;
  otherCase[0] = L'z';
  EXPECT_EQ(findProcessWindow(helper.pid(), otherCase), nullptr);
  EXPECT_EQ(findProcessWindow(GetCurrentProcessId(), className), nullptr);
}
