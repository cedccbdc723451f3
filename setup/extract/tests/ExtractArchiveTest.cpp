#include "setup/extract/ExtractArchive.h"

#include "base/DataFolders.h"
#include "setup/ISetupNotify.h"
#include "setup/extract/CDiskOutputer.h"
#include "setup/extract/ItemSink.h"
#include "setup/extract/MemoryInStream.h"
#include "setup/extract/tests/ExtractFixtures.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using zelotest::pathExists;
using zelotest::TempFolder;

namespace {

// Records what the extraction hands over; refuses from a chosen item on.
class RecordingSink : public ItemSink {
 public:
  std::vector<std::wstring> names;
  std::vector<std::pair<unsigned, unsigned>> progressCalls;
  size_t refuseFrom = SIZE_MAX;

  bool wantItem(const std::wstring&) override { return true; }
  bool output(const std::wstring& name, bool, const uint8_t*, size_t) override {
    names.push_back(name);
    return names.size() <= refuseFrom;
  }
  bool continueLoop() override { return true; }
  void progress(unsigned index, unsigned count) override { progressCalls.push_back({index, count}); }
};

class StopAfter : public ICancelQuery {
 public:
  explicit StopAfter(const RecordingSink& sink, size_t items) : sink_(sink), items_(items) {}
  bool isStopRequested() const override { return sink_.names.size() >= items_; }

 private:
  const RecordingSink& sink_;
  size_t items_;
};

class ProgressRecorder : public ISetupNotify {
 public:
  std::vector<std::pair<unsigned, unsigned>> calls;
  void onCheckResult(CheckResult) override {}
  void onZeloRunning() override {}
  void onProgress(unsigned index, unsigned count) override { calls.push_back({index, count}); }
  void onDecompressFail(const std::wstring&) override {}
  void onDecompressFinish(bool) override {}
};

int extract(const std::vector<uint8_t>& archive, ItemSink& sink, const ICancelQuery* cancel = nullptr) {
  return extractArchive(archive.data(), archive.size(), sink, cancel);
}

}  // namespace

TEST(MemoryInStream, ReadsExactlyOrFailsWithoutWrapping) {
  const uint8_t bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  MemoryInStream stream(bytes, sizeof bytes);
  uint8_t out[8] = {};
  size_t size = 3;
  EXPECT_EQ(stream.vt.Read(&stream.vt, out, &size), SZ_OK);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(out[2], 3);
  size = 6;  // only 5 left
  EXPECT_EQ(stream.vt.Read(&stream.vt, out, &size), SZ_ERROR_ARCHIVE);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(stream.position, 3u);
  // A request that would wrap the sum of position and size around.
  size = SIZE_MAX - 1;
  EXPECT_EQ(stream.vt.Read(&stream.vt, out, &size), SZ_ERROR_ARCHIVE);
  Int64 offset = 0;
  EXPECT_EQ(stream.vt.Seek(&stream.vt, &offset, SZ_SEEK_END), SZ_OK);
  EXPECT_EQ(offset, 8);
  offset = 100;  // seeking is unchecked; the next read fails
  stream.vt.Seek(&stream.vt, &offset, SZ_SEEK_SET);
  size = 1;
  EXPECT_EQ(stream.vt.Read(&stream.vt, out, &size), SZ_ERROR_ARCHIVE);
}

TEST(ExtractArchive, HandsOverEveryItemWithProgressOverAllOfThem) {
  RecordingSink sink;
  ASSERT_EQ(extract(fixtureArchive(L"good"), sink), 0);
  ASSERT_EQ(sink.names.size(), 13u);  // 5 folders, 8 files
  ASSERT_EQ(sink.progressCalls.size(), 13u);
  for (unsigned i = 0; i < 13; ++i) EXPECT_EQ(sink.progressCalls[i], std::make_pair(i, 13u));
}

TEST(ExtractArchive, DamagedArchivesFailCleanly) {
  for (const wchar_t* name : {L"damaged", L"truncated"}) {
    RecordingSink sink;
    int result = extract(fixtureArchive(name), sink);
    EXPECT_NE(result, 0) << name;
    EXPECT_LT(sink.names.size(), 13u) << name;
  }
  RecordingSink sink;
  const uint8_t garbage[64] = {'7', 'z'};
  EXPECT_NE(extractArchive(garbage, sizeof garbage, sink, nullptr), 0);
  EXPECT_NE(extractArchive(garbage, 0, sink, nullptr), 0);
}

TEST(ExtractArchive, RefusedItemStopsWithFailure) {
  RecordingSink sink;
  sink.refuseFrom = 2;
  EXPECT_EQ(extract(fixtureArchive(L"good"), sink), 11);
  EXPECT_EQ(sink.names.size(), 3u);
}

TEST(ExtractArchive, StopEndsAfterTheCurrentItem) {
  RecordingSink sink;
  StopAfter stop(sink, 5);
  EXPECT_EQ(extract(fixtureArchive(L"many"), sink, &stop), 11);
  EXPECT_EQ(sink.names.size(), 5u);
}

class DiskOutputTest : public ::testing::Test {
 protected:
  std::wstring D() const { return dir_.path() + L"\\Zelo\\"; }
  void TearDown() override {
    std::wstring data = setupDataDirUnder(installerDataRoot(), D());
    zelotest::removeTree(data.substr(0, data.size() - 1));
  }
  TempFolder dir_{L"extract"};
};

TEST_F(DiskOutputTest, ItemsLandBelowTheirTargetRoots) {
  ProgressRecorder notify;
  CDiskOutputer outputer(D(), &notify);
  ASSERT_EQ(extract(fixtureArchive(L"good"), outputer), 0);
  const std::wstring tree = extractFixture(L"tree\\");
  EXPECT_EQ(fileText(D() + L"1.1.6.0\\layout\\fonts.xml"), "fonts\n");
  EXPECT_EQ(zelotest::readFileBytes(D() + L"zelolauncher.exe"),
            zelotest::readFileBytes(tree + L"InstallDir\\zelolauncher.exe"));  // through BCJ2
  EXPECT_EQ(fileText(D() + L"readme.txt"), "other root\n");
  EXPECT_EQ(fileText(D() + L"toplevel.txt"), "top level\n");
  const std::wstring data = setupDataDirUnder(installerDataRoot(), D());
  EXPECT_EQ(fileText(data + L"ReleaseNotes.txt"), "release notes\n");
  EXPECT_TRUE(pathExists(data + L"install.dat"));
  EXPECT_TRUE(zelotest::readFileBytes(data + L"install.dat").empty());
  EXPECT_FALSE(pathExists(D() + L"InstallDir"));
  EXPECT_FALSE(pathExists(D() + L"AppData"));
  EXPECT_EQ(notify.calls.size(), 13u);  // the skipped root folders are counted too
}

TEST_F(DiskOutputTest, LockedFileIsSetAsideAndWrittenAnew) {
  SHCreateDirectoryExW(nullptr, D().c_str(), nullptr);
  ASSERT_TRUE(zelotest::writeTextFile(D() + L"OrviZelo.exe", "old product\n"));
  ASSERT_TRUE(zelotest::writeTextFile(D() + L"OrviZelo.exe.old", "older\n"));
  zelotest::HelperProcess holder;
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_DELETE;  // as for a running program
  ASSERT_TRUE(holder.start(zelotest::helperProgram(),
                           L"helper hold-file \"" + D() + L"OrviZelo.exe\" " + std::to_wstring(share),
                           true));
  zelotest::LogTail tail;
  CDiskOutputer outputer(D(), nullptr);
  ASSERT_EQ(extract(fixtureArchive(L"good"), outputer), 0);
  EXPECT_EQ(fileText(D() + L"OrviZelo.exe"), "new product\n");
  EXPECT_EQ(fileText(D() + L"OrviZelo.exe.old"), "old product\n");
  EXPECT_TRUE(tail.contains(L"CDiskOutputer::_tryToDecompressItem, strFilePath=" + D() +
                            L"OrviZelo.exe, nTryCount=0, bResult=1"));
}

TEST_F(DiskOutputTest, FileThatCannotBeCreatedFailsAfterSixAttempts) {
  // Held open without write or delete sharing: neither a new file nor a rename is possible.
  SHCreateDirectoryExW(nullptr, D().c_str(), nullptr);
  ASSERT_TRUE(zelotest::writeTextFile(D() + L"toplevel.txt", "held\n"));
  zelotest::HelperProcess holder;
  ASSERT_TRUE(holder.start(zelotest::helperProgram(),
                           L"helper hold-file \"" + D() + L"toplevel.txt\" 1", true));
  zelotest::LogTail tail;
  CDiskOutputer outputer(D(), nullptr);
  EXPECT_EQ(extract(fixtureArchive(L"good"), outputer), 11);
  EXPECT_TRUE(tail.contains(L"CDiskOutputer::_tryToDecompressItem, strFilePath=" + D() +
                            L"toplevel.txt, nTryCount=5, bResult=0"));
}

// A short write is retried from the start of the same open file: the file ends up holding the
// item exactly, and nothing is set aside while the file is open.
TEST_F(DiskOutputTest, ShortWritesAreRetriedThroughTheOpenFile) {
  int calls = 0;
  CDiskOutputer outputer(D(), nullptr);
  outputer.setFileWriter([&](HANDLE file, const uint8_t* data, size_t size) -> size_t {
    DWORD written = 0;
    const DWORD part = ++calls <= 2 ? static_cast<DWORD>(size / 2) : static_cast<DWORD>(size);
    WriteFile(file, data, part, &written, nullptr);
    return written;
  });
  zelotest::LogTail tail;
  const std::string item = "0123456789abcdef";
  ASSERT_TRUE(outputer.output(L"InstallDir/retry.txt", false,
                              reinterpret_cast<const uint8_t*>(item.data()), item.size()));
  EXPECT_EQ(fileText(D() + L"retry.txt"), item);
  EXPECT_FALSE(pathExists(D() + L"retry.txt.old"));
  EXPECT_TRUE(tail.contains(L"CDiskOutputer::_tryToDecompressItem, strFilePath=" + D() +
                            L"retry.txt, nTryCount=2, bResult=1"));
}

TEST_F(DiskOutputTest, WritesThatKeepFailingGiveUpAfterFiveAttempts) {
  int calls = 0;
  CDiskOutputer outputer(D(), nullptr);
  outputer.setFileWriter([&](HANDLE, const uint8_t*, size_t) -> size_t { return ++calls, 0; });
  zelotest::LogTail tail;
  const uint8_t byte = 'x';
  EXPECT_FALSE(outputer.output(L"InstallDir/never.txt", false, &byte, 1));
  EXPECT_EQ(calls, 5);
  EXPECT_FALSE(pathExists(D() + L"never.txt.old"));
  EXPECT_TRUE(tail.contains(L"CDiskOutputer::_tryToDecompressItem, strFilePath=" + D() +
                            L"never.txt, nTryCount=5, bResult=0"));
}

TEST_F(DiskOutputTest, HostileNamesAreRefusedAndNothingLeavesTheFolder) {
  const struct {
    const wchar_t* archive;
    const wchar_t* logged;
  } cases[] = {
      {L"hostile-dotdot", L"InstallDir/../../escaped.txt"},
      {L"hostile-drive", L"InstallDir/C:\\escaped.txt"},
      {L"hostile-rooted", L"InstallDir/\\escaped.txt"},
      {L"hostile-bare", L".."},
  };
  for (const auto& c : cases) {
    zelotest::LogTail tail;
    CDiskOutputer outputer(D(), nullptr);
    EXPECT_EQ(extract(fixtureArchive(c.archive), outputer), 11) << c.archive;
    EXPECT_TRUE(tail.contains(std::wstring(L"CDiskOutputer::output, refuse item ") + c.logged +
                              L", it has no place below its target folder."))
        << c.archive;
  }
  EXPECT_FALSE(pathExists(dir_.path() + L"\\escaped.txt"));
  EXPECT_FALSE(pathExists(L"T:\\escaped.txt"));
  EXPECT_FALSE(pathExists(L"C:\\escaped.txt"));
}
