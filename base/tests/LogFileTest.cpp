#include "base/LogFile.h"

#include "testing/TestSupport.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

using zelotest::HelperProcess;
using zelotest::TempFolder;

namespace {

class LogFileTest : public ::testing::Test {
 protected:
  std::wstring folder() const { return logs() + L"\\"; }
  // Without the trailing backslash, which would escape a closing quote on a command line.
  std::wstring logs() const { return dir_.path() + L"\\logs\\setup"; }
  std::wstring file(const wchar_t* name = L"test.log") const { return folder() + name; }

  std::vector<uint8_t> bytes(const wchar_t* name = L"test.log") const {
    return zelotest::readFileBytes(file(name));
  }
  // The file's text after its byte-order mark, which must be there.
  std::wstring text(const wchar_t* name = L"test.log") const {
    std::vector<uint8_t> b = bytes(name);
    EXPECT_GE(b.size(), 2u);
    if (b.size() < 2) return std::wstring();
    EXPECT_EQ(b[0], 0xFF);
    EXPECT_EQ(b[1], 0xFE);
    return std::wstring(reinterpret_cast<const wchar_t*>(b.data() + 2), (b.size() - 2) / 2);
  }
  void prepare(size_t size) {
    CreateDirectoryW(dir_.path().c_str(), nullptr);
    std::wstring logs = dir_.path() + L"\\logs";
    CreateDirectoryW(logs.c_str(), nullptr);
    CreateDirectoryW(folder().c_str(), nullptr);
    std::string content(size, 'x');
    ASSERT_TRUE(zelotest::writeFileBytes(file(), content.data(), content.size()));
  }

  TempFolder dir_{L"log"};
};

const std::wregex kLine(L"\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] (.*)\r\n");

}  // namespace

TEST_F(LogFileTest, FirstLineCreatesFolderAndStartsWithByteOrderMark) {
  LogFile log(folder(), L"test.log");
  EXPECT_TRUE(zelotest::pathExists(folder()));
  EXPECT_FALSE(zelotest::pathExists(file()));  // opened on the first line only
  log.writeMessage(L"Setup start, command line is -silence");
  std::wsmatch match;
  std::wstring content = text();
  ASSERT_TRUE(std::regex_match(content, match, kLine)) << content;
  EXPECT_EQ(match[1].str(), L"Setup start, command line is -silence");
}

TEST_F(LogFileTest, LineHoldsTheLocalTime) {
  LogFile log(folder(), L"test.log");
  SYSTEMTIME now;
  GetLocalTime(&now);
  log.writeMessage(L"x");
  wchar_t date[16];
  swprintf(date, 16, L"[%04d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
  EXPECT_EQ(text().substr(0, 11), date);
}

TEST_F(LogFileTest, ASecondRunAppends) {
  { LogFile(folder(), L"test.log").writeMessage(L"first run"); }
  { LogFile(folder(), L"test.log").writeMessage(L"second run"); }
  std::wstring content = text();
  EXPECT_NE(content.find(L"] first run\r\n["), std::wstring::npos);
  EXPECT_NE(content.find(L"] second run\r\n"), std::wstring::npos);
  EXPECT_EQ(content.find(L"\xFEFF"), std::wstring::npos);  // one mark only, at the start
}

TEST_F(LogFileTest, FileOfExactlyOneMebibyteIsAppendedTo) {
  prepare(1048576);
  LogFile(folder(), L"test.log").writeMessage(L"appended");
  std::vector<uint8_t> b = bytes();
  EXPECT_GT(b.size(), 1048576u);
  EXPECT_EQ(b[0], 'x');
}

TEST_F(LogFileTest, FileLargerThanOneMebibyteStartsAfresh) {
  prepare(1048577);
  LogFile(folder(), L"test.log").writeMessage(L"fresh");
  std::wsmatch match;
  std::wstring content = text();
  ASSERT_TRUE(std::regex_match(content, match, kLine));
  EXPECT_EQ(match[1].str(), L"fresh");
}

TEST_F(LogFileTest, EmptyExistingFileGetsTheMarkFirst) {
  prepare(0);
  LogFile(folder(), L"test.log").writeMessage(L"after mark");
  EXPECT_TRUE(std::regex_match(text(), kLine));
}

TEST_F(LogFileTest, LongMessageIsCutButKeepsItsLineEnd) {
  LogFile log(folder(), L"test.log");
  std::wstring argument(3000, L'a');
  log.writeMessage(argument.c_str());
  log.writeMessage(L"next");
  std::wstring content = text();
  size_t end = content.find(L"\r\n");
  ASSERT_NE(end, std::wstring::npos);
  EXPECT_EQ(end + 2, LogFile::kMaxLineChars);
  EXPECT_EQ(content.substr(22, 5), L"aaaaa");
  EXPECT_EQ(content.substr(end + 2 + 22), L"next\r\n");
}

TEST_F(LogFileTest, FileNameChangesOnlyBeforeTheFirstLine) {
  LogFile log(folder(), L"setup.log");
  log.setFileName(L"setupV2.log");
  log.writeMessage(L"one");
  log.setFileName(L"late.log");
  log.writeMessage(L"two");
  EXPECT_FALSE(zelotest::pathExists(file(L"setup.log")));
  EXPECT_FALSE(zelotest::pathExists(file(L"late.log")));
  EXPECT_NE(text(L"setupV2.log").find(L"] two\r\n"), std::wstring::npos);
}

TEST_F(LogFileTest, OpenIsRetriedOnEveryLine) {
  LogFile log(folder(), L"test.log");
  CreateDirectoryW(file().c_str(), nullptr);  // a folder where the file should be
  log.writeMessage(L"dropped");
  RemoveDirectoryW(file().c_str());
  log.writeMessage(L"kept");
  std::wsmatch match;
  std::wstring content = text();
  ASSERT_TRUE(std::regex_match(content, match, kLine)) << content;
  EXPECT_EQ(match[1].str(), L"kept");
}

TEST_F(LogFileTest, ThreadsNeverInterleaveInsideALine) {
  LogFile log(folder(), L"test.log");
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&log, t] {
      for (int i = 0; i < 200; ++i) {
        wchar_t line[64];
        swprintf(line, 64, L"thread %d line %d", t, i);
        log.writeMessage(line);
      }
    });
  for (auto& thread : threads) thread.join();
  std::wstring content = text();
  std::wregex line(L"\\[[^\\]]*\\] thread \\d line \\d+\r\n");
  size_t count = std::distance(std::wsregex_iterator(content.begin(), content.end(), line),
                               std::wsregex_iterator());
  EXPECT_EQ(count, 800u);
}

// The two processes of an uninstallation write to one file: no line may be lost or torn.
TEST_F(LogFileTest, TwoProcessesAppendWithoutOverwritingEachOther) {
  LogFile(folder(), L"shared.log").writeMessage(L"opened");
  HelperProcess a, b;
  ASSERT_TRUE(a.start(zelotest::helperProgram(),
                      L"helper log \"" + logs() + L"\" shared.log 300 first", false));
  ASSERT_TRUE(b.start(zelotest::helperProgram(),
                      L"helper log \"" + logs() + L"\" shared.log 300 second", false));
  EXPECT_EQ(a.waitExit(), 0);
  EXPECT_EQ(b.waitExit(), 0);
  std::wstring content = text(L"shared.log");
  std::set<std::wstring> seen;
  std::wregex line(L"\\[[^\\]]*\\] (first|second) (\\d+)\r\n");
  for (auto it = std::wsregex_iterator(content.begin(), content.end(), line);
       it != std::wsregex_iterator(); ++it)
    seen.insert((*it)[1].str() + L" " + (*it)[2].str());
  EXPECT_EQ(seen.size(), 600u);
}

TEST(ProcessLog, WriteLogFormatsTheWindowsWay) {
  zelotest::LogTail tail;
  writeLog(L"ZeloSetupCore::cleanUpFile, delete temp directory %s", L"C:\\Temp\\x");
  writeLog(L"count %d of %u", -3, 7u);
  EXPECT_EQ(tail.messages(),
            (std::vector<std::wstring>{L"ZeloSetupCore::cleanUpFile, delete temp directory C:\\Temp\\x",
                                       L"count -3 of 7"}));
}
