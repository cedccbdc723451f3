#include "setup/ZeloSetupCore.h"

#include "base/DataFolders.h"
#include "base/SpecialFolders.h"
#include "setup/FavouriteLink.h"
#include "setup/InstallDataFolders.h"
#include "setup/ProductNames.h"
#include "setup/ShellLink.h"
#include "setup/tests/InstallTraces.h"
#include "setup/tests/RegistryFixture.h"
#include "setup/tests/SetupFakes.h"
#include "testing/TestSupport.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using zelotest::TempFolder;

namespace {

struct RegValue {
  DWORD type = 0;
  DWORD bytes = 0;
  std::wstring text;
  bool found = false;
};

RegValue readValue(const wchar_t* keyPath, const wchar_t* name) {
  RegValue v;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return v;
  wchar_t data[2048] = {};
  v.bytes = sizeof data - sizeof(wchar_t);
  v.found = RegQueryValueExW(key, name, nullptr, &v.type, reinterpret_cast<BYTE*>(data),
                             &v.bytes) == ERROR_SUCCESS;
  v.text = data;
  RegCloseKey(key);
  return v;
}

std::vector<std::wstring> recordOf(const std::wstring& program, DWORD timeoutMs = 10000) {
  const std::wstring record = program + L".record";
  for (DWORD waited = 0; !zelotest::pathExists(record) && waited < timeoutMs; waited += 50)
    Sleep(50);
  Sleep(50);  // the writer closes the file right after creating it
  std::wstring text = zelotest::readUtf16File(record);
  std::vector<std::wstring> lines;
  for (size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

std::wstring withoutTrailingSlash(std::wstring path) {
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

bool copyDemo(const wchar_t* name, const std::wstring& to) {
  return CopyFileW((zelotest::binFolder() + L"\\demo\\" + name).c_str(), to.c_str(), FALSE) != 0;
}

struct LinkInfo {
  bool loaded = false;
  std::wstring target;
  std::wstring workingDir;
};

LinkInfo readLink(const std::wstring& path) {
  ShellLink link;
  LinkInfo info;
  info.loaded = link.load(path);
  info.target = link.target();
  info.workingDir = link.workingDir();
  return info;
}

// One earlier-free install folder D on the test drive, with a core aimed at it. The installer's
// registry entries, the Run value and the links are removed before and after every test.
class InstallActionsTest : public InstallerKeyTest {
 protected:
  void SetUp() override {
    InstallerKeyTest::SetUp();
    removeInstallTraces();
    core_.setInstallDir(folder_.path());
    dir_ = folder_.path() + L"\\";
    exe_ = dir_ + product::kExecutable;
  }
  void TearDown() override {
    removeInstallTraces();
    InstallerKeyTest::TearDown();
  }

  TempFolder folder_{L"install"};
  ZeloSetupCore core_{nullptr, std::make_unique<ScriptedDecompressor>(nullptr)};
  std::wstring dir_;
  std::wstring exe_;
};

}  // namespace

TEST_F(InstallActionsTest, RegistryEntriesWithTheirTypesAndTerminators) {
  core_._writeRegedit();
  const std::wstring uninstaller = dir_ + L"Uninstall.exe";
  const struct {
    const wchar_t* key;
    const wchar_t* name;
    std::wstring data;
  } cases[] = {
      {product::kRegistryKey, L"InstallDir", dir_},
      {product::kRegistryKey, L"RootDir", dir_},
      {product::kUninstallKey, L"UninstallString", uninstaller},
      {product::kUninstallKey, L"DisplayName", L"OrviZelo1"},
      {product::kUninstallKey, L"Publisher", L"OrviZelo"},
      {product::kUninstallKey, L"URLInfoAbout", product::kWebSite},
      {product::kUninstallKey, L"DisplayVersion", L"1.1.6.0"},
  };
  for (const auto& c : cases) {
    RegValue v = readValue(c.key, c.name);
    ASSERT_TRUE(v.found) << c.name;
    EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ)) << c.name;
    EXPECT_EQ(v.text, c.data) << c.name;
    // The terminating null is stored too.
    EXPECT_EQ(v.bytes, (c.data.size() + 1) * sizeof(wchar_t)) << c.name;
  }
  EXPECT_EQ(std::wstring(product::kWebSite).rfind(L"https://", 0), 0u);
}

TEST_F(InstallActionsTest, SetAutoRunOnlyOpensTheRunKey) {
  RegDeleteTreeW(HKEY_CURRENT_USER, product::kRunKey);
  zelotest::LogTail tail;
  core_.setAutoRun(true);
  HKEY run = nullptr;
  EXPECT_NE(RegOpenKeyW(HKEY_CURRENT_USER, product::kRunKey, &run), ERROR_SUCCESS);
  EXPECT_TRUE(tail.messages().empty());
}

TEST_F(InstallActionsTest, SetAutoRunWritesAndRemovesOnlyTheProductValue) {
  HKEY run = nullptr;
  ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, product::kRunKey, &run), ERROR_SUCCESS);
  const std::wstring otherName = zelotest::uniqueName(L"OtherProgram");
  const std::wstring other = L"T:\\other.exe";
  RegSetValueExW(run, otherName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(other.c_str()),
                 static_cast<DWORD>((other.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(run);

  zelotest::LogTail tail;
  core_.setAutoRun(true);
  RegValue on = readValue(product::kRunKey, L"OrviZelo");
  ASSERT_TRUE(on.found);
  EXPECT_EQ(on.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(on.text, exe_);
  EXPECT_EQ(on.bytes, (exe_.size() + 1) * sizeof(wchar_t));

  core_.setAutoRun(false);
  EXPECT_FALSE(readValue(product::kRunKey, L"OrviZelo").found);
  EXPECT_EQ(readValue(product::kRunKey, otherName.c_str()).text, other);
  EXPECT_EQ(tail.messages(),
            (std::vector<std::wstring>{L"ZeloSetupCore::setAutoRun=1, write REGEDIT (auto run app).",
                                       L"ZeloSetupCore::setAutoRun=0, write REGEDIT (auto run app)."}));
  ASSERT_EQ(RegOpenKeyW(HKEY_CURRENT_USER, product::kRunKey, &run), ERROR_SUCCESS);
  RegDeleteValueW(run, otherName.c_str());
  RegCloseKey(run);
}

TEST_F(InstallActionsTest, FourShortcutsStartTheProductInTheDataRoot) {
  core_._createShortcuts();
  const std::wstring group = programGroup();
  const struct {
    std::wstring link;
    std::wstring target;
  } cases[] = {
      {productLinkIn(CSIDL_DESKTOPDIRECTORY), exe_},
      {group + L"\\OrviZelo.lnk", exe_},
      {productLinkIn(CSIDL_STARTMENU), exe_},
      {group + L"\\" + product::kUninstallLinkName + L".lnk", dir_ + L"Uninstall.exe"},
  };
  for (const auto& c : cases) {
    LinkInfo info = readLink(c.link);
    ASSERT_TRUE(info.loaded) << c.link;
    EXPECT_EQ(info.target, c.target) << c.link;
    EXPECT_EQ(withoutTrailingSlash(info.workingDir), withoutTrailingSlash(dataRoot())) << c.link;
  }
}

TEST_F(InstallActionsTest, PinnedLinksOfThisInstallationAreRetargeted) {
  wchar_t quick[MAX_PATH] = {};
  ExpandEnvironmentStringsW(L"%APPDATA%\\Microsoft\\Internet Explorer\\Quick Launch", quick,
                            MAX_PATH);
  const std::wstring taskBar = std::wstring(quick) + L"\\User Pinned\\TaskBar";
  SHCreateDirectoryExW(nullptr, taskBar.c_str(), nullptr);
  TempFolder elsewhere(L"elsewhere");
  const std::wstring prefix = taskBar + L"\\" + zelotest::uniqueName(L"pin");
  const struct {
    std::wstring link;
    std::wstring target;
    std::wstring expected;
  } cases[] = {
      {prefix + L"-launcher.lnk", dir_ + L"zelolauncher.exe", exe_},
      {prefix + L"-product.lnk", folder_.path() + L"\\ORVIZELO.EXE", exe_},
      {prefix + L"-other-folder.lnk", elsewhere / L"zelolauncher.exe",
       elsewhere / L"zelolauncher.exe"},
      {prefix + L"-other-program.lnk", dir_ + L"notepad.exe", dir_ + L"notepad.exe"},
  };
  for (const auto& c : cases) {
    ShellLink link;
    link.setTarget(c.target);
    link.setWorkingDir(L"T:\\");
    ASSERT_TRUE(link.save(c.link));
  }
  core_._updatePinnedShortcuts();
  for (const auto& c : cases) {
    LinkInfo info = readLink(c.link);
    EXPECT_EQ(info.target, c.expected) << c.link;
    const bool ours = c.expected == exe_;
    EXPECT_EQ(withoutTrailingSlash(info.workingDir),
              ours ? withoutTrailingSlash(dataRoot()) : std::wstring(L"T:\\"))
        << c.link;
    DeleteFileW(c.link.c_str());
  }
}

TEST_F(InstallActionsTest, CompanionProgramsReceiveTheirCommandLines) {
  const std::wstring version = dir_ + L"1.1.6.0\\";
  CreateDirectoryW(version.c_str(), nullptr);
  ASSERT_TRUE(copyDemo(L"setupmetrics.exe", version + L"setupmetrics.exe"));
  ASSERT_TRUE(copyDemo(L"zelorun.exe", version + L"zelorun.exe"));
  zelotest::LogTail tail;
  core_.runSetupmetrics();
  core_.runZeloRun();
  const std::wstring metrics = version + L"setupmetrics.exe";
  const std::wstring zelorun = version + L"zelorun.exe";
  EXPECT_EQ(recordOf(metrics), (std::vector<std::wstring>{
                                   L"\"" + metrics + L"\" \"\"|1.1.6.0|4|i|\"\"",
                                   withoutTrailingSlash(dir_)}));
  EXPECT_EQ(recordOf(zelorun), (std::vector<std::wstring>{L"\"" + zelorun + L"\" \"-reg\"",
                                                          withoutTrailingSlash(dir_)}));
  EXPECT_EQ(tail.messages(),
            (std::vector<std::wstring>{
                L"ZeloSetupCore::runSetupmetrics, run " + metrics +
                    L" parameter is \"|1.1.6.0|4|i|\".",
                L"ZeloSetupCore::runZeloRun, run " + zelorun + L" parameter is -reg."}));
}

TEST_F(InstallActionsTest, WizardUpdateWaitsForTheWizard) {
  zelotest::LogTail without;
  core_._do3XUpdate();
  EXPECT_EQ(without.messages(), (std::vector<std::wstring>{L"ZeloSetupCore::_do3XUpdate begin.",
                                                           L"ZeloSetupCore::_do3XUpdate finish."}));
  const std::wstring wizard = dir_ + L"zelowizard.exe";
  ASSERT_TRUE(copyDemo(L"zelowizard.exe", wizard));
  zelotest::LogTail with;
  core_._do3XUpdate();
  // The wizard writes its record only at its end.
  EXPECT_TRUE(zelotest::pathExists(wizard + L".record"));
  wchar_t cwd[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, cwd);
  // Started without a command line, the wizard receives its quoted path as one.
  EXPECT_EQ(recordOf(wizard), (std::vector<std::wstring>{L"\"" + wizard + L"\"", cwd}));
  EXPECT_EQ(with.messages(), (std::vector<std::wstring>{L"ZeloSetupCore::_do3XUpdate begin.",
                                                        L"ZeloSetupCore::_do3XUpdate, wait finish.",
                                                        L"ZeloSetupCore::_do3XUpdate finish."}));
}

TEST_F(InstallActionsTest, RunAppStartsTheProductInTheDataRoot) {
  ASSERT_TRUE(copyDemo(L"OrviZelo.exe", exe_));
  core_.runApp();
  EXPECT_EQ(recordOf(exe_),
            (std::vector<std::wstring>{exe_, withoutTrailingSlash(dataRoot())}));
  const wchar_t* frame = product::kMainFrameClass;
  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i, Sleep(50)) window = FindWindowW(frame, nullptr);
  ASSERT_NE(window, nullptr);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  ASSERT_NE(process, nullptr);
  PostMessageW(window, WM_APP + 601, 0, 0);  // the product's quit request
  EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
  CloseHandle(process);
}

TEST_F(InstallActionsTest, WinsockCategory) {
  zelotest::LogTail tail;
  // Wine's export is a stub that reports success.
  EXPECT_TRUE(core_.CustomLsp());
  EXPECT_EQ(tail.messages(), std::vector<std::wstring>{L"ZeloSetupCore::CustomLsp, strAppFilePath=" +
                                                       exe_ + L", bResult=1"});
}

// Written without a byte-order mark and with bare line feeds, the link was read as 8-bit text
// and its address lost.
TEST_F(InstallActionsTest, FavouriteLinkHasAByteOrderMarkAndCrLfLines) {
  const std::wstring favourites = specialFolderPath(CSIDL_FAVORITES);
  ASSERT_FALSE(favourites.empty());
  SHCreateDirectoryExW(nullptr, favourites.c_str(), nullptr);
  zelotest::LogTail tail;
  core_.collectTarsel();
  const std::vector<uint8_t> bytes =
      zelotest::readFileBytes(favourites + L"\\" + product::kFavouriteLink);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  EXPECT_EQ(text, std::wstring(L"[InternetShortcut]\r\nURL=") + product::kWebSite + L"\r\n");
  EXPECT_EQ(tail.messages(),
            std::vector<std::wstring>{L"ZeloSetupCore::collectTarsel, collect official website."});
  // The platform's own reader of Internet shortcuts finds the address.
  wchar_t url[512] = {};
  GetPrivateProfileStringW(L"InternetShortcut", L"URL", L"", url, 512,
                           (favourites + L"\\" + product::kFavouriteLink).c_str());
  EXPECT_EQ(std::wstring(url), product::kWebSite);
}

TEST_F(InstallActionsTest, AfterDecompressRunsEveryStepInOrder) {
  zelotest::LogTail tail;
  core_.doAfterDecompress();
  const std::vector<std::wstring> expected = {
      L"ZeloSetupCore::doAfterDecompress, decompress finished.",
      L"ZeloSetupCore::_do3XUpdate begin.",
      L"ZeloSetupCore::_do3XUpdate finish.",
      L"ZeloSetupCore::_installCrt, installAsm return-value is -1.",
      L"ZeloSetupCore::runSetupmetrics, run " + dir_ +
          L"1.1.6.0\\setupmetrics.exe parameter is \"|1.1.6.0|4|i|\".",
      L"ZeloSetupCore::runZeloRun, run " + dir_ + L"1.1.6.0\\zelorun.exe parameter is -reg.",
      L"ZeloSetupCore::CustomLsp, strAppFilePath=" + exe_ + L", bResult=1",
  };
  EXPECT_EQ(tail.messages(), expected);
  EXPECT_TRUE(readValue(product::kUninstallKey, L"DisplayVersion").found);
  EXPECT_TRUE(readLink(productLinkIn(CSIDL_DESKTOPDIRECTORY)).loaded);
}
