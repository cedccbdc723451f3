#include "uninstall/RemovalGuard.h"

#include "base/SpecialFolders.h"
#include "testing/TestSupport.h"
#include "uninstall/ZeloFileCleaner.h"
#include "uninstall/ZeloUninstallListener.h"
#include "uninstall/tests/UninstallFixtures.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using uninstalltest::OlderInstallation;
using uninstalltest::StandInRecords;
using uninstalltest::treeListing;

namespace {

std::wstring windowsFolder() {
  wchar_t buffer[MAX_PATH] = {};
  GetWindowsDirectoryW(buffer, MAX_PATH);
  return buffer;
}

std::wstring parentOf(const std::wstring& folder) {
  return folder.substr(0, folder.find_last_of(L'\\'));
}

// Folders of the machine that the check alone must refuse (nothing is deleted here).
TEST(RemovalGuard, RefusesTheSystemsAndTheUsersFolders) {
  const std::wstring folders[] = {
      L"C:\\",
      L"T:\\",
      L"C:",
      windowsFolder() + L"\\",
      specialFolderPath(CSIDL_SYSTEM) + L"\\",
      specialFolderPath(CSIDL_PROGRAM_FILES) + L"\\",
      specialFolderPath(CSIDL_PROFILE) + L"\\",
      parentOf(specialFolderPath(CSIDL_PROFILE)) + L"\\",  // holds every profile
      specialFolderPath(CSIDL_DESKTOPDIRECTORY) + L"\\",
      specialFolderPath(CSIDL_PERSONAL) + L"\\",
      specialFolderPath(CSIDL_APPDATA) + L"\\",
      specialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\",
      specialFolderPath(CSIDL_COMMON_APPDATA) + L"\\",
      specialFolderPath(CSIDL_STARTMENU) + L"\\",
      specialFolderPath(CSIDL_PROGRAMS) + L"\\",
      L"\\\\server\\share\\",
      L"\\\\?\\unix\\",
      L"\\\\?\\C:\\",
  };
  for (const std::wstring& folder : folders)
    EXPECT_FALSE(removalRefusal(folder).empty()) << folder;
}

TEST(RemovalGuard, AcceptsBothInstallationLayouts) {
  OlderInstallation older;
  EXPECT_EQ(removalRefusal(older.path()), L"");
  EXPECT_EQ(removalRefusal(older.folder()), L"");

  zelotest::TempFolder current(L"current");  // as this system's installer lays it out
  zelotest::writeTextFile(current / L"Uninstall.exe", "x");
  zelotest::writeTextFile(current / L"OrviZelo.exe", "x");
  EXPECT_EQ(removalRefusal(current.path() + L"\\"), L"");
}

// Every row is a folder inside a temp folder that holds files; the removal must leave them all.
struct RefusalCase {
  const char* name;
  std::wstring (*target)(const OlderInstallation& install);
  const wchar_t* reason;
};

const RefusalCase kRefusalCases[] = {
    {"FolderWithoutInstallationMarks",
     [](const OlderInstallation& i) {
       DeleteFileW((i.folder() + L"\\Uninstall.exe").c_str());
       for (const wchar_t* f : {L"setupmetrics.exe", L"zelorun.exe", L"data3.bin"})
         DeleteFileW((i.folder() + L"\\8.22.0.2\\" + f).c_str());
       RemoveDirectoryW((i.folder() + L"\\8.22.0.2").c_str());
       return i.path();
     },
     L"it holds neither Uninstall.exe nor 8.22.0.2"},
    {"UninstallExeThatIsAFolder",
     [](const OlderInstallation& i) {
       DeleteFileW((i.folder() + L"\\Uninstall.exe").c_str());
       CreateDirectoryW((i.folder() + L"\\Uninstall.exe").c_str(), nullptr);
       MoveFileW((i.folder() + L"\\8.22.0.2").c_str(), (i.folder() + L"\\8.22.0.1").c_str());
       return i.path();
     },
     L"it holds neither Uninstall.exe nor 8.22.0.2"},
    {"VersionFolderAlone",
     [](const OlderInstallation& i) { return i.folder() + L"\\8.22.0.2\\"; },
     L"it holds neither Uninstall.exe nor 8.22.0.2"},
    {"LongPathForm",
     [](const OlderInstallation& i) { return L"\\\\?\\" + i.path(); },
     L"it is not a full path on a drive or share"},
    {"DeviceForm",
     [](const OlderInstallation& i) { return L"\\\\.\\" + i.path(); },
     L"it is not a full path on a drive or share"},
    {"DotDotClimbsToTheParent",
     [](const OlderInstallation& i) { return i.path() + L"8.22.0.2\\..\\..\\"; },
     L"it is not written as a plain full path"},
    {"RelativePath",
     [](const OlderInstallation& i) {
       SetCurrentDirectoryW(i.root().path().c_str());
       return std::wstring(L"Zelo\\");
     },
     L"it is not a full path on a drive or share"},
    {"ForwardSlashes",
     [](const OlderInstallation& i) {
       std::wstring path = i.path();
       for (wchar_t& c : path) c = c == L'\\' ? L'/' : c;
       return path;
     },
     L"it is not a full path on a drive or share"},
    {"LinkToAnInstallation",
     [](const OlderInstallation& i) {
       const std::wstring link = i.root() / L"link";
       CreateSymbolicLinkW(link.c_str(), i.folder().c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
       return link + L"\\";
     },
     L"it is a link"},
};

void PrintTo(const RefusalCase& row, std::ostream* out) { *out << row.name; }

class RefusalTest : public uninstalltest::UninstallTest,
                    public ::testing::WithParamInterface<RefusalCase> {};

struct FinishedFlag : ZeloUninstallListener {
  void onRunning() override {}
  void onReady() override {}
  void onProgress(const std::wstring&, int, int) override { ++reports; }
  void onFinished() override { finished = true; }
  int reports = 0;
  bool finished = false;
};

}  // namespace

TEST_P(RefusalTest, LeavesEveryFileInPlace) {
  OlderInstallation install;
  StandInRecords records;
  const std::wstring target = GetParam().target(install);
  if (std::string(GetParam().name) == "LinkToAnInstallation" &&
      !uninstalltest::isDirectoryLink(install.root() / L"link"))
    GTEST_SKIP() << "no directory links here";
  const std::vector<std::wstring> before = treeListing(install.root().path());

  zelotest::LogTail tail;
  FinishedFlag listener;
  ZeloFileCleaner cleaner(&listener, paths());
  cleaner.setPath(target);
  cleaner.run(false);

  EXPECT_EQ(treeListing(install.root().path()), before);
  EXPECT_FALSE(records.ran(L"setupmetrics.exe"));
  EXPECT_FALSE(records.ran(L"zelorun.exe"));
  EXPECT_EQ(listener.reports, 0);
  EXPECT_FALSE(listener.finished);
  EXPECT_TRUE(tail.contains(L"ZeloFileCleaner::execute, refuse to remove " + target + L", " +
                            GetParam().reason + L"."));
}

INSTANTIATE_TEST_SUITE_P(Folders, RefusalTest, ::testing::ValuesIn(kRefusalCases),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) {
                           return std::string(info.param.name);
                         });

class ShellFolderRefusalTest : public uninstalltest::UninstallTest {};

// A shell folder that happens to look like an installation is still the user's folder.
TEST_F(ShellFolderRefusalTest, RedirectedDocumentsFolderIsRefused) {
  OlderInstallation install;
  uninstalltest::ShellFolderRedirect documents(L"Personal", install.folder());
  ASSERT_EQ(specialFolderPath(CSIDL_PERSONAL), install.folder());
  const std::vector<std::wstring> before = treeListing(install.root().path());
  ZeloFileCleaner cleaner(nullptr, paths());
  cleaner.setPath(install.path());
  cleaner.run(false);
  EXPECT_EQ(treeListing(install.root().path()), before);
}
