// Installation and removal as a user's script would run them: ZeloSetup.exe -silence, then
// Uninstall.exe -silence from the install folder, which hands over to its relocated copy.
#include "base/DataFolders.h"
#include "base/SpecialFolders.h"
#include "setup/tests/InstallTraces.h"
#include "testing/TestSupport.h"
#include "uninstall/tests/UninstallFixtures.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

using zelotest::HelperProcess;
using zelotest::pathExists;
using zelotest::TempFolder;
using namespace uninstalltest;

namespace {

int runProgram(const std::wstring& path, const std::wstring& commandLine) {
  HelperProcess process;
  if (!process.start(path, commandLine, false)) return -1000;
  return process.waitExit(60000);
}

// The ids of the processes whose executable lies below folder.
std::vector<DWORD> processesBelow(const std::wstring& folder) {
  std::vector<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, entry.th32ProcessID);
    MODULEENTRY32W module = {};
    module.dwSize = sizeof module;
    if (modules != INVALID_HANDLE_VALUE && Module32FirstW(modules, &module) &&
        _wcsnicmp(module.szExePath, folder.c_str(), folder.size()) == 0)
      found.push_back(entry.th32ProcessID);
    if (modules != INVALID_HANDLE_VALUE) CloseHandle(modules);
  }
  CloseHandle(snapshot);
  return found;
}

class UninstallProgram : public ::testing::Test {
 protected:
  void TearDown() override {
    removeInstallTraces();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrviZelo");
    std::wstring data = setupDataDirUnder(installerDataRoot(), D() + L"\\");
    zelotest::removeTree(data.substr(0, data.size() - 1));
    for (const std::wstring& copy : relocatedCopies(uninstallerDataRoot()))
      if (std::find(before_.begin(), before_.end(), copy) == before_.end()) zelotest::removeTree(copy);
  }
  std::wstring D() const { return dir_.path() + L"\\OrviZelo"; }

  TempFolder dir_{L"e2e"};
  std::vector<std::wstring> before_ = relocatedCopies(uninstallerDataRoot());
};

}  // namespace

TEST_F(UninstallProgram, SilentRemovalOfAnInstallationRunsFromItsRelocatedCopy) {
  const std::wstring bin = zelotest::binFolder();
  ASSERT_EQ(runProgram(bin + L"\\ZeloSetup.exe", L"ZeloSetup.exe -silence \"" + D() + L"\""), 0);
  ASSERT_TRUE(pathExists(D() + L"\\Uninstall.exe"));

  // The older generation's companion programs, and the product left running from the folder.
  StandInRecords records;
  SHCreateDirectoryExW(nullptr, (D() + L"\\8.22.0.2").c_str(), nullptr);
  for (const wchar_t* name : {L"setupmetrics.exe", L"zelorun.exe"})
    ASSERT_TRUE(CopyFileW(standInProgram().c_str(), (D() + L"\\8.22.0.2\\" + name).c_str(), FALSE));
  HelperProcess product;
  ASSERT_TRUE(product.start(D() + L"\\OrviZelo.exe", L"OrviZelo.exe --ignore-quit", false));
  ASSERT_TRUE(waitForFile(D() + L"\\OrviZelo.exe.record"));

  EXPECT_EQ(runProgram(D() + L"\\Uninstall.exe", L"\"" + D() + L"\\Uninstall.exe\" -silence"), 0);

  std::vector<std::wstring> copies;
  for (const std::wstring& copy : relocatedCopies(uninstallerDataRoot()))
    if (std::find(before_.begin(), before_.end(), copy) == before_.end()) copies.push_back(copy);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_TRUE(pathExists(copies[0] + L"\\uninstall.exe"));

  // The copy removes the folder, then ends.
  const DWORD start = GetTickCount();
  while ((pathExists(D()) || !processesBelow(copies[0]).empty()) && GetTickCount() - start < 30000)
    Sleep(50);
  EXPECT_FALSE(pathExists(D()));
  EXPECT_TRUE(processesBelow(copies[0]).empty());
  EXPECT_EQ(records.commandLine(L"setupmetrics.exe"), L"\"|8.22.0.2|1|u|\"");
  EXPECT_EQ(records.commandLine(L"zelorun.exe"), L"-unreg");
  EXPECT_NE(product.waitExit(5000), -1000);  // the product running from the folder was ended
}
