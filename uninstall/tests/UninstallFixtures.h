#pragma once

#include "testing/TestSupport.h"
#include "uninstall/UninstallPaths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace uninstalltest {

using zelotest::kNoQuit;
using zelotest::takeQuitCode;

// zelo_uninstall_standin.exe
std::wstring standInProgram();

// The folders of the relocated copies below dataRoot ("setup\\uninstall\\{GUID}"), sorted.
std::vector<std::wstring> relocatedCopies(const std::wstring& dataRoot);

// Waits until path exists, then a little longer so that its writer is done.
bool waitForFile(const std::wstring& path, DWORD timeoutMs = 15000);

// True when path exists as a junction or directory link. Wine 8 reports success for
// CreateSymbolicLinkW without creating anything, and refuses reparse points altogether.
bool isDirectoryLink(const std::wstring& path);

// Every entry below folder, relative to it and sorted; folders end in a backslash.
std::vector<std::wstring> treeListing(const std::wstring& folder);

// Points one of the current user's shell folders (a value name of "User Shell Folders", such as
// "Desktop") at folder for the fixture's lifetime; the shell reads the value on every request.
class ShellFolderRedirect {
 public:
  ShellFolderRedirect(std::wstring valueName, const std::wstring& folder);
  ~ShellFolderRedirect();
  ShellFolderRedirect(const ShellFolderRedirect&) = delete;
  ShellFolderRedirect& operator=(const ShellFolderRedirect&) = delete;

 private:
  std::wstring name_;
  bool hadValue_ = false;
  DWORD type_ = REG_EXPAND_SZ;
  std::vector<BYTE> saved_;
};

// An installation as the older generation laid it out, in a folder of its own below a temp
// folder: "Uninstall.exe", the version folder "8.22.0.2" with recording stand-ins for
// "setupmetrics.exe" and "zelorun.exe", and dataFiles more files in nested folders.
class OlderInstallation {
 public:
  explicit OlderInstallation(int dataFiles = 6);
  // Without a trailing backslash.
  const std::wstring& folder() const { return folder_; }
  // As the uninstaller keeps it: with a trailing backslash.
  std::wstring path() const { return folder_ + L"\\"; }
  int fileCount() const { return fileCount_; }
  const zelotest::TempFolder& root() const { return root_; }

 private:
  zelotest::TempFolder root_{L"inst"};
  std::wstring folder_;
  int fileCount_ = 0;
};

// Collects what the stand-ins record (ZELO_STANDIN_RECORDS points here while the fixture lives).
class StandInRecords {
 public:
  StandInRecords();
  ~StandInRecords();
  bool ran(const std::wstring& program) const;
  std::wstring commandLine(const std::wstring& program) const;

 private:
  zelotest::TempFolder folder_{L"records"};
};

// The older generation's registry entries that the removal takes away, created by the fixture
// and removed again by it, with one neighbour value in the Run key that must stay.
class OlderRegistryEntries {
 public:
  explicit OlderRegistryEntries(bool productSubKey = false);
  ~OlderRegistryEntries();
  static bool runValueExists(const std::wstring& name);
  static bool keyExists(const std::wstring& path);
  const std::wstring& neighbour() const { return neighbour_; }

 private:
  std::wstring neighbour_;
};

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kProductKey[] = L"Software\\tarsel\\zelo";
constexpr wchar_t kUninstallEntry[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelo8";

// Every test keeps the uninstaller away from the machine's own folders: its data root is a temp
// folder, and the desktop and start-menu folders point into another one.
class UninstallTest : public ::testing::Test {
 protected:
  UninstallTest();
  // A removal run leaves the current folder at the uninstaller's folder; the temp folders can
  // go only once it is back.
  void TearDown() override;
  UninstallPaths paths() const;
  std::wstring dataRoot() const { return data_.path() + L"\\"; }
  std::wstring desktop() const { return shell_ / L"Desktop"; }
  std::wstring programs() const { return shell_ / L"Programs"; }
  std::wstring startMenu() const { return shell_ / L"Start Menu"; }

  zelotest::TempFolder data_{L"data"};
  zelotest::TempFolder shell_{L"shell"};

 private:
  std::vector<std::unique_ptr<ShellFolderRedirect>> redirects_;
};

}  // namespace uninstalltest
