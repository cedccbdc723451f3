#include "uninstall/ZeloFileCleaner.h"

#include "base/DataFolders.h"
#include "testing/TestSupport.h"
#include "base/WinHandles.h"
#include "uninstall/ProcessImages.h"
#include "uninstall/ProductInfo.h"
#include "uninstall/ZeloUninstallControl.h"
#include "uninstall/ZeloUninstallCore.h"
#include "uninstall/tests/RecordingUninstallUI.h"
#include "uninstall/tests/UninstallFixtures.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using uninstalltest::OlderInstallation;
using uninstalltest::OlderRegistryEntries;
using uninstalltest::StandInRecords;

using uninstalltest::takeQuitCode;

namespace {

class FileCleanerTest : public uninstalltest::UninstallTest {
 protected:
  void SetUp() override { takeQuitCode(); }

  // Runs a whole removal through the controller, as the relocated copy does.
  std::vector<std::wstring> removeThrough(const std::wstring& commandLine) {
    auto ui = std::make_unique<RecordingUninstallUI>();
    RecordingUninstallUI* calls = ui.get();
    ZeloUninstallControl control(std::move(ui), paths());
    control.uninstall(commandLine);
    if (control.runModel() == ZeloUninstallControl::kRemove) {
      EXPECT_TRUE(calls->waitFor(L"finished"));
    }
    return calls->calls();
  }

  void writeProductInfo(const std::wstring& installPath, const std::string& firstLine) {
    const std::wstring folder = setupDataDirUnder(dataRoot(), installPath);
    zelotest::writeTextFile(folder + L"ProductInfo.txt",
                            "\xEF\xBB\xBF" + firstLine + "\r\nid=99\r\n");
  }

  StandInRecords records_;
};

}  // namespace

TEST_F(FileCleanerTest, SilentRemovalDeletesTheTreeAndReportsNothing) {
  OlderInstallation install(20);
  writeProductInfo(install.path(), "productid=07");
  CopyFileW(zelotest::helperProgram().c_str(), (install.folder() + L"\\Zelo.exe").c_str(), FALSE);
  zelotest::HelperProcess product;  // ignores the polite wait, so it has to be terminated
  ASSERT_TRUE(product.start(install.folder() + L"\\Zelo.exe", L"Zelo.exe sleep 60000", false));
  OlderRegistryEntries entries;

  zelotest::LogTail tail;
  std::vector<std::wstring> calls =
      removeThrough(L"-silencedelete -path \"" + install.folder() + L"\"");
  EXPECT_EQ(takeQuitCode(), 0);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(product.waitExit(5000), 0);  // ended with exit code 0 while this process lives on
  EXPECT_FALSE(zelotest::pathExists(install.folder()));
  EXPECT_EQ(records_.commandLine(L"setupmetrics.exe"), L"\"|8.22.0.2|7|u|\"");
  EXPECT_EQ(records_.commandLine(L"zelorun.exe"), L"-unreg");
  // Without the finished report the older generation's entries stay.
  EXPECT_TRUE(OlderRegistryEntries::runValueExists(L"Zelo"));
  EXPECT_TRUE(OlderRegistryEntries::keyExists(uninstalltest::kUninstallEntry));
  EXPECT_TRUE(tail.contains(L"Begin delete files, directory is " + install.path()));
  EXPECT_TRUE(tail.contains(L"delete file " + install.path() + L"\\Uninstall.exe success"));
  EXPECT_TRUE(tail.contains(L"End delete files."));
}

// 150 files, the uninstaller's own entry and the two programs: 153 reports over 200.
TEST_F(FileCleanerTest, InteractiveRemovalReportsEveryItemThenFinishes) {
  OlderInstallation install(147);
  ASSERT_EQ(install.fileCount(), 150);
  OlderRegistryEntries entries;
  zelotest::writeTextFile(desktop() + L"\\Zelo Corvid.lnk", "link");

  std::vector<std::wstring> calls =
      removeThrough(L"Uninstall.exe -delete -path=" + install.folder());
  ASSERT_EQ(calls.size(), 1u + 153u + 1u);
  EXPECT_EQ(calls.front(), L"showMainWindow");
  for (int i = 1; i <= 153; ++i) EXPECT_EQ(calls[i], L"progress " + std::to_wstring(i) + L"/200");
  EXPECT_EQ(calls.back(), L"finished");
  EXPECT_FALSE(zelotest::pathExists(install.folder()));
  EXPECT_EQ(records_.commandLine(L"setupmetrics.exe"), L"\"|8.22.0.2|1|u|\"");  // no ProductInfo
  EXPECT_FALSE(OlderRegistryEntries::runValueExists(L"Zelo"));
  EXPECT_FALSE(zelotest::pathExists(desktop() + L"\\Zelo Corvid.lnk"));
}

TEST_F(FileCleanerTest, FirstReportsAreTheUninstallerAndTheTwoPrograms) {
  OlderInstallation install(0);
  struct Listener : ZeloUninstallListener {
    void onRunning() override {}
    void onReady() override {}
    void onProgress(const std::wstring& item, int, int) override { items.push_back(item); }
    void onFinished() override { items.push_back(L"finished"); }
    std::vector<std::wstring> items;
  } listener;
  ZeloFileCleaner cleaner(&listener, paths());
  cleaner.setPath(install.path());
  cleaner.run(false);
  ASSERT_EQ(listener.items.size(), 7u);
  EXPECT_EQ(listener.items[0], install.path() + L"UnInstall.exe");
  EXPECT_EQ(listener.items[1], install.path() + L"8.22.0.2\\setupmetrics.exe");
  EXPECT_EQ(listener.items[2], install.path() + L"8.22.0.2\\zelorun.exe");
  EXPECT_EQ(listener.items[6], L"finished");
}

TEST_F(FileCleanerTest, RemovalNeverDescendsIntoALinkedFolder) {
  OlderInstallation install;
  zelotest::TempFolder outside(L"outside");
  zelotest::writeTextFile(outside / L"precious.txt", "keep");
  const std::wstring link = install.folder() + L"\\res\\linked";
  CreateSymbolicLinkW(link.c_str(), outside.path().c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
  if (!uninstalltest::isDirectoryLink(link)) GTEST_SKIP() << "no directory links here";
  removeThrough(L"-silencedelete -path \"" + install.folder() + L"\"");
  EXPECT_FALSE(zelotest::pathExists(install.folder()));
  EXPECT_TRUE(zelotest::pathExists(outside / L"precious.txt"));
}

// A process started suspended has no module list yet, so its folder cannot be read.
class SuspendedProcess {
 public:
  SuspendedProcess() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::wstring commandLine = L"zelo_test_helper.exe sleep 60000";
    if (CreateProcessW(zelotest::helperProgram().c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                       CREATE_SUSPENDED, nullptr, nullptr, &startup, &info)) {
      process_.reset(info.hProcess);
      thread_.reset(info.hThread);
      pid_ = info.dwProcessId;
    }
  }
  ~SuspendedProcess() {
    if (process_) TerminateProcess(process_.get(), 0);
  }
  DWORD pid() const { return pid_; }
  bool running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
  }

 private:
  UniqueHandle process_;
  UniqueHandle thread_;
  DWORD pid_ = 0;
};

// With an empty path the programs would start by relative paths (from the uninstaller's folder)
// and every process whose folder cannot be read would match the empty folder and be ended.
TEST_F(FileCleanerTest, EmptyPathStopsBeforeAnyDeletion) {
  zelotest::TempFolder app(L"uninstaller");
  SHCreateDirectoryExW(nullptr, (app / L"8.22.0.2").c_str(), nullptr);
  for (const wchar_t* name : {L"setupmetrics.exe", L"zelorun.exe"})
    ASSERT_TRUE(CopyFileW(uninstalltest::standInProgram().c_str(),
                          (app / L"8.22.0.2\\" + name).c_str(), FALSE));
  SuspendedProcess unreadable;
  ASSERT_TRUE(unreadable.running());
  bool listed = false;
  for (const ProcessImage& image : runningProcesses())
    if (image.processId == unreadable.pid()) listed = image.modulePath.empty();
  EXPECT_TRUE(listed) << "the suspended helper's folder was readable";
  UninstallPaths paths = this->paths();
  paths.executable = app / L"uninstall.exe";

  zelotest::LogTail tail;
  ZeloFileCleaner cleaner(nullptr, paths);
  cleaner.setPath(L"");
  cleaner.run(false);
  SetCurrentDirectoryW(zelotest::binFolder().c_str());
  EXPECT_TRUE(tail.contains(L"ZeloFileCleaner::setPath, path is empty."));
  EXPECT_TRUE(tail.contains(L"Begin delete files, directory is "));
  EXPECT_TRUE(tail.contains(L"Exception case."));
  EXPECT_FALSE(tail.contains(L"End delete files."));
  EXPECT_FALSE(records_.ran(L"setupmetrics.exe"));
  EXPECT_FALSE(records_.ran(L"zelorun.exe"));
  EXPECT_TRUE(unreadable.running());
}

// Between the check and the deletion the companion programs run for seconds; a folder swapped
// in meanwhile (here from the last progress report before them) is not the one that passed.
TEST_F(FileCleanerTest, FolderSwappedWhileTheProgramsRunIsLeft) {
  OlderInstallation install;
  const std::wstring moved = install.folder() + L" moved";
  struct Swapper : ZeloUninstallListener {
    void onRunning() override {}
    void onReady() override {}
    void onProgress(const std::wstring& item, int, int) override {
      if (item.size() < 11 || item.compare(item.size() - 11, 11, L"zelorun.exe") != 0) return;
      swapped = MoveFileW(folder.c_str(), moved.c_str()) &&
                CreateDirectoryW(folder.c_str(), nullptr) &&
                zelotest::writeTextFile(folder + L"\\letter.txt", "user data");
    }
    void onFinished() override { finished = true; }
    std::wstring folder, moved;
    bool swapped = false, finished = false;
  } swapper;
  swapper.folder = install.folder();
  swapper.moved = moved;

  zelotest::LogTail tail;
  ZeloFileCleaner cleaner(&swapper, paths());
  cleaner.setPath(install.path());
  cleaner.run(false);
  ASSERT_TRUE(swapper.swapped);
  EXPECT_TRUE(zelotest::pathExists(install.folder() + L"\\letter.txt"));
  EXPECT_TRUE(zelotest::pathExists(moved + L"\\Uninstall.exe"));
  EXPECT_FALSE(swapper.finished);
  EXPECT_TRUE(tail.contains(L"ZeloFileCleaner::execute, refuse to remove " + install.path() +
                            L", it is no longer the folder that was checked."))
      << tail.last();
  EXPECT_FALSE(tail.contains(L"Begin delete files, directory is " + install.path()));
}

namespace {

struct ProductIdCase {
  const char* name;
  const char* firstLine;  // nullptr: no ProductInfo.txt at all
  int id;
};

const ProductIdCase kProductIdCases[] = {
    {"MissingFileGivesOne", nullptr, 1},
    {"LeadingZeroIsDecimal", "productid=07", 7},
    {"TextGivesOne", "productid=abc", 1},
    {"ZeroGivesOne", "productid=0", 1},
    {"DigitsStopAtTheFirstOtherCharacter", "id=42abc", 42},
    {"NoEqualsGivesOne", "productid 5", 1},
    {"OnlyTheFirstEqualsCounts", "a=3=4", 3},
    {"NegativeIsTaken", "id=-5", -5},
};

void PrintTo(const ProductIdCase& row, std::ostream* out) { *out << row.name; }

class ProductIdTest : public ::testing::TestWithParam<ProductIdCase> {};

}  // namespace

TEST_P(ProductIdTest, ReadFromTheFirstLineOfProductInfo) {
  zelotest::TempFolder data(L"productinfo");
  if (GetParam().firstLine)
    zelotest::writeTextFile(data / L"ProductInfo.txt",
                            std::string("\xEF\xBB\xBF") + GetParam().firstLine + "\r\nid=99\r\n");
  EXPECT_EQ(readProductId(data.path() + L"\\"), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Lines, ProductIdTest, ::testing::ValuesIn(kProductIdCases),
                         [](const ::testing::TestParamInfo<ProductIdCase>& info) {
                           return std::string(info.param.name);
                         });
