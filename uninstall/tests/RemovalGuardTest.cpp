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

constexpr wchar_t kNotFullPath[] = L"it is not a full path on a drive or share";
constexpr wchar_t kRoot[] = L"it is the root of a drive or share";
constexpr wchar_t kProtected[] = L"it is or holds a folder of the system or the user";
constexpr wchar_t kColon[] = L"it holds a colon after the drive letter";
constexpr wchar_t kRelocation[] = L"it is, holds or lies in the uninstaller's relocation folder";
constexpr wchar_t kRunningUninstaller[] = L"it holds the running uninstaller";
constexpr wchar_t kNoMarks[] = L"it holds neither Uninstall.exe nor 8.22.0.2";

class RemovalGuard : public uninstalltest::UninstallTest {};

// Folders of the machine that the check alone must refuse (nothing is deleted here), each for
// its own reason, not merely for lacking the installation's marks.
TEST_F(RemovalGuard, RefusesTheSystemsAndTheUsersFolders) {
  const struct {
    std::wstring folder;
    const wchar_t* reason;
  } rows[] = {
      {L"C:\\", kRoot},
      {L"T:\\", kRoot},
      {L"C:", kRoot},
      {windowsFolder() + L"\\", kProtected},
      {specialFolderPath(CSIDL_SYSTEM) + L"\\", kProtected},
      {specialFolderPath(CSIDL_PROGRAM_FILES) + L"\\", kProtected},
      {specialFolderPath(CSIDL_PROFILE) + L"\\", kProtected},
      {parentOf(specialFolderPath(CSIDL_PROFILE)) + L"\\", kProtected},  // holds every profile
      {specialFolderPath(CSIDL_DESKTOPDIRECTORY) + L"\\", kProtected},
      {specialFolderPath(CSIDL_PERSONAL) + L"\\", kProtected},
      {specialFolderPath(CSIDL_APPDATA) + L"\\", kProtected},
      {specialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\", kProtected},
      {specialFolderPath(CSIDL_COMMON_APPDATA) + L"\\", kProtected},
      {specialFolderPath(CSIDL_STARTMENU) + L"\\", kProtected},
      {specialFolderPath(CSIDL_PROGRAMS) + L"\\", kProtected},
      {specialFolderPath(CSIDL_PROFILE) + L"::$INDEX_ALLOCATION\\", kColon},
      {L"\\\\server\\share\\", kRoot},
      {L"\\\\?\\unix\\", kNotFullPath},
      {L"\\\\?\\C:\\", kNotFullPath},
  };
  for (const auto& row : rows)
    EXPECT_EQ(removalRefusal(row.folder, paths()), row.reason) << row.folder;
}

TEST_F(RemovalGuard, AcceptsBothInstallationLayouts) {
  OlderInstallation older;
  EXPECT_EQ(removalRefusal(older.path(), paths()), L"");
  EXPECT_EQ(removalRefusal(older.folder(), paths()), L"");

  zelotest::TempFolder current(L"current");  // as this system's installer lays it out
  zelotest::writeTextFile(current / L"Uninstall.exe", "x");
  zelotest::writeTextFile(current / L"OrviZelo.exe", "x");
  EXPECT_EQ(removalRefusal(current.path() + L"\\", paths()), L"");
}

// The test program's own folder holds "Uninstall.exe" as the build leaves it there: a removal
// run given that folder would take the program that runs it, and the build with it. Only the
// check is asked here.
TEST_F(RemovalGuard, FolderOfTheRunningProgramIsRefused) {
  ASSERT_TRUE(zelotest::pathExists(zelotest::binFolder() + L"\\Uninstall.exe"));
  EXPECT_EQ(removalRefusal(zelotest::binFolder() + L"\\", paths()), kRunningUninstaller);
  EXPECT_EQ(removalRefusal(zelotest::binFolder(), paths()), kRunningUninstaller);
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
    {"StreamSyntaxOfTheFolder",
     [](const OlderInstallation& i) { return i.folder() + L"::$INDEX_ALLOCATION\\"; },
     L"it holds a colon after the drive letter"},
    {"StreamSyntaxInsideThePath",
     [](const OlderInstallation& i) { return i.folder() + L":stream\\8.22.0.2\\"; },
     L"it holds a colon after the drive letter"},
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

namespace {

// How a test spells a folder; empty when this system offers no such spelling of it.
using Spelling = std::wstring (*)(const std::wstring& folder);

std::wstring asWritten(const std::wstring& folder) { return folder; }
std::wstring parentFolder(const std::wstring& folder) { return parentOf(folder); }
std::wstring streamSyntax(const std::wstring& folder) { return folder + L"::$INDEX_ALLOCATION"; }

std::wstring shortName(const std::wstring& folder) {
  wchar_t buffer[MAX_PATH] = {};
  DWORD length = GetShortPathNameW(folder.c_str(), buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH || folder == buffer) return std::wstring();
  return buffer;
}

// "\\localhost\T$\..." for "T:\...".
std::wstring adminShare(const std::wstring& folder) {
  return L"\\\\localhost\\" + folder.substr(0, 1) + L"$" + folder.substr(2);
}

struct ShellFolderCase {
  const char* name;
  const wchar_t* valueName;  // in "User Shell Folders"
  Spelling spell;
  const wchar_t* reason;
};

const ShellFolderCase kShellFolderCases[] = {
    {"Desktop", L"Desktop", asWritten, kProtected},
    {"AppData", L"AppData", asWritten, kProtected},
    {"LocalAppData", L"Local AppData", asWritten, kProtected},
    {"Documents", L"Personal", asWritten, kProtected},
    {"FolderAboveTheDesktop", L"Desktop", parentFolder, kProtected},
    {"DesktopAsShortName", L"Desktop", shortName, kProtected},
    {"AppDataAsShortName", L"AppData", shortName, kProtected},
    {"DesktopThroughAdminShare", L"Desktop", adminShare, kProtected},
    {"DesktopAsStream", L"Desktop", streamSyntax, kColon},
    {"AppDataAsStream", L"AppData", streamSyntax, kColon},
};

void PrintTo(const ShellFolderCase& row, std::ostream* out) { *out << row.name; }

class ShellFolderRefusalTest : public uninstalltest::UninstallTest,
                               public ::testing::WithParamInterface<ShellFolderCase> {};

}  // namespace

// A user's shell folder that happens to hold a file named "Uninstall.exe" looks like an
// installation; it is still the user's folder, however it is spelled.
TEST_P(ShellFolderRefusalTest, ShellFolderHoldingAnUninstallerIsRefused) {
  zelotest::TempFolder root(L"shell folder");
  const std::wstring folder = root / L"Folder of the user";
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const std::wstring& where : {root.path(), folder}) {
    zelotest::writeTextFile(where + L"\\Uninstall.exe", "not ours");
    zelotest::writeTextFile(where + L"\\letter.txt", "user data");
  }
  uninstalltest::ShellFolderRedirect redirect(GetParam().valueName, folder);
  const std::wstring spelled = GetParam().spell(folder);
  if (spelled.empty()) GTEST_SKIP() << "this system gives no such name for " << GetParam().name;
  if (GetParam().reason == kProtected && folderIdentity(spelled) != folderIdentity(folder) &&
      GetParam().spell != parentFolder)
    GTEST_SKIP() << "this system does not reach the folder as " << GetParam().name;
  const std::vector<std::wstring> before = treeListing(root.path());

  zelotest::LogTail tail;
  ZeloFileCleaner cleaner(nullptr, paths());
  cleaner.setPath(spelled + L"\\");
  cleaner.run(false);
  EXPECT_EQ(treeListing(root.path()), before);
  EXPECT_TRUE(tail.contains(L"ZeloFileCleaner::execute, refuse to remove " + spelled + L"\\, " +
                            GetParam().reason + L"."))
      << tail.last();
}

INSTANTIATE_TEST_SUITE_P(Spellings, ShellFolderRefusalTest, ::testing::ValuesIn(kShellFolderCases),
                         [](const ::testing::TestParamInfo<ShellFolderCase>& info) {
                           return std::string(info.param.name);
                         });

// A drive letter of its own for a folder (subst), removed again when the fixture ends.
class SubstDrive {
 public:
  explicit SubstDrive(const std::wstring& folder) {
    for (wchar_t letter = L'Q'; letter <= L'Y' && drive_.empty(); ++letter) {
      const std::wstring drive = std::wstring(1, letter) + L":";
      if (GetDriveTypeW((drive + L"\\").c_str()) != DRIVE_NO_ROOT_DIR) continue;
      if (DefineDosDeviceW(0, drive.c_str(), folder.c_str())) drive_ = drive;
    }
  }
  ~SubstDrive() {
    if (!drive_.empty()) DefineDosDeviceW(DDD_REMOVE_DEFINITION, drive_.c_str(), nullptr);
  }
  const std::wstring& drive() const { return drive_; }

 private:
  std::wstring drive_;
};

TEST_F(RemovalGuard, ProtectedFolderReachedThroughASubstDriveIsRefused) {
  zelotest::TempFolder root(L"subst");
  const std::wstring folder = root / L"Desktop";
  CreateDirectoryW(folder.c_str(), nullptr);
  zelotest::writeTextFile(folder + L"\\Uninstall.exe", "not ours");
  uninstalltest::ShellFolderRedirect redirect(L"Desktop", folder);
  SubstDrive subst(root.path());
  if (subst.drive().empty() ||
      folderIdentity(subst.drive() + L"\\Desktop") != folderIdentity(folder))
    GTEST_SKIP() << "no drive letter can be given to a folder here";
  EXPECT_EQ(removalRefusal(subst.drive() + L"\\Desktop\\", paths()), kProtected);
  EXPECT_EQ(removalRefusal(subst.drive() + L"\\", paths()), kRoot);
}

namespace {

struct OwnFolderCase {
  const char* name;
  // The folder to remove, given the data root; it is made to hold "uninstall.exe".
  std::wstring (*target)(const std::wstring& dataRoot);
};

const OwnFolderCase kOwnFolderCases[] = {
    {"RelocatedCopysFolder",
     [](const std::wstring& d) {
       return d + L"setup\\uninstall\\{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}\\";
     }},
    {"RelocationFolder", [](const std::wstring& d) { return d + L"setup\\uninstall\\"; }},
    {"FolderAboveTheRelocationFolder", [](const std::wstring& d) { return d + L"setup\\"; }},
    {"FolderInsideARelocatedCopy",
     [](const std::wstring& d) {
       return d + L"setup\\uninstall\\{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}\\sub\\";
     }},
};

void PrintTo(const OwnFolderCase& row, std::ostream* out) { *out << row.name; }

class RelocationRefusalTest : public uninstalltest::UninstallTest,
                              public ::testing::WithParamInterface<OwnFolderCase> {};

}  // namespace

// The relocated copy is "uninstall.exe", which the installation test takes for an installed
// uninstaller: the copies' folders must be refused on their own grounds.
TEST_P(RelocationRefusalTest, UninstallersOwnFoldersAreRefused) {
  const std::wstring target = GetParam().target(dataRoot());
  const std::wstring copy =
      dataRoot() + L"setup\\uninstall\\{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
  SHCreateDirectoryExW(nullptr, (copy + L"\\sub").c_str(), nullptr);
  SHCreateDirectoryExW(nullptr, target.c_str(), nullptr);
  zelotest::writeTextFile(copy + L"\\uninstall.exe", "copy");
  zelotest::writeTextFile(target + L"uninstall.exe", "copy");
  const std::vector<std::wstring> before = treeListing(data_.path());

  zelotest::LogTail tail;
  ZeloFileCleaner cleaner(nullptr, paths());
  cleaner.setPath(target);
  cleaner.run(false);
  EXPECT_EQ(treeListing(data_.path()), before);
  EXPECT_TRUE(tail.contains(L"ZeloFileCleaner::execute, refuse to remove " + target + L", " +
                            kRelocation + L"."))
      << tail.last();
}

INSTANTIATE_TEST_SUITE_P(Folders, RelocationRefusalTest, ::testing::ValuesIn(kOwnFolderCases),
                         [](const ::testing::TestParamInfo<OwnFolderCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(RemovalGuard, FolderHoldingTheUninstallerThatRunsTheRemovalIsRefused) {
  OlderInstallation install;
  const std::vector<std::wstring> before = treeListing(install.root().path());
  UninstallPaths paths = this->paths();
  paths.executable = install.folder() + L"\\8.22.0.2\\uninstall.exe";
  for (const std::wstring& target : {install.path(), install.path() + L"8.22.0.2\\"}) {
    zelotest::LogTail tail;
    ZeloFileCleaner cleaner(nullptr, paths);
    cleaner.setPath(target);
    cleaner.run(false);
    EXPECT_EQ(treeListing(install.root().path()), before);
    EXPECT_TRUE(tail.contains(L"ZeloFileCleaner::execute, refuse to remove " + target + L", " +
                              kRunningUninstaller + L"."))
        << tail.last();
  }
  SetCurrentDirectoryW(zelotest::binFolder().c_str());  // the removal run moved into the folder
}
