#include "uninstall/tests/UninstallFixtures.h"

#include "base/WideFormat.h"
#include "base/WinHandles.h"

#include <shlobj.h>

#include <algorithm>
#include <functional>

namespace uninstalltest {

namespace {

constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr wchar_t kRecordsVariable[] = L"ZELO_STANDIN_RECORDS";

void listInto(const std::wstring& folder, const std::wstring& prefix,
              std::vector<std::wstring>* entries) {
  WIN32_FIND_DATAW entry;
  UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry));
  if (!find) return;
  do {
    std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      entries->push_back(prefix + name + L"\\");
      listInto(folder + L"\\" + name, prefix + name + L"\\", entries);
    } else {
      entries->push_back(prefix + name);
    }
  } while (FindNextFileW(find.get(), &entry));
}

void setRegString(HKEY root, const std::wstring& keyPath, const std::wstring& name,
                  const std::wstring& value) {
  UniqueRegKey key;
  if (RegCreateKeyW(root, keyPath.c_str(), key.receive()) != ERROR_SUCCESS) return;
  RegSetValueExW(key.get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void deleteRunValue(const std::wstring& name) {
  UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, key.receive()) == ERROR_SUCCESS)
    RegDeleteValueW(key.get(), name.c_str());
}

std::wstring recordLine(const std::wstring& path, int index) {
  std::wstring text = zelotest::readUtf16File(path);
  size_t start = 0;
  for (int i = 0; i < index; ++i) start = text.find(L'\n', start) + 1;
  return text.substr(start, text.find(L'\n', start) - start);
}

}  // namespace

std::wstring standInProgram() { return zelotest::binFolder() + L"\\zelo_uninstall_standin.exe"; }


std::vector<std::wstring> treeListing(const std::wstring& folder) {
  std::vector<std::wstring> entries;
  listInto(folder, L"", &entries);
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::vector<std::wstring> relocatedCopies(const std::wstring& dataRoot) {
  const std::wstring relocation = dataRoot + L"setup\\uninstall";
  std::vector<std::wstring> copies;
  for (const std::wstring& entry : treeListing(relocation)) {
    if (entry.back() == L'\\' && entry.find(L'\\') == entry.size() - 1)
      copies.push_back(relocation + L"\\" + entry.substr(0, entry.size() - 1));
  }
  return copies;
}

bool waitForFile(const std::wstring& path, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
    if (zelotest::pathExists(path)) {
      Sleep(200);
      return true;
    }
    Sleep(20);
  }
  return false;
}

bool isDirectoryLink(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

ShellFolderRedirect::ShellFolderRedirect(std::wstring valueName, const std::wstring& folder)
    : name_(std::move(valueName)) {
  UniqueRegKey key;
  if (RegCreateKeyW(HKEY_CURRENT_USER, kUserShellFolders, key.receive()) != ERROR_SUCCESS) return;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), name_.c_str(), nullptr, &type_, nullptr, &size) ==
      ERROR_SUCCESS) {
    saved_.resize(size);
    hadValue_ = RegQueryValueExW(key.get(), name_.c_str(), nullptr, &type_, saved_.data(),
                                 &size) == ERROR_SUCCESS;
  }
  RegSetValueExW(key.get(), name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

ShellFolderRedirect::~ShellFolderRedirect() {
  UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_ALL_ACCESS, key.receive()) !=
      ERROR_SUCCESS)
    return;
  if (hadValue_)
    RegSetValueExW(key.get(), name_.c_str(), 0, type_, saved_.data(),
                   static_cast<DWORD>(saved_.size()));
  else
    RegDeleteValueW(key.get(), name_.c_str());
}

OlderInstallation::OlderInstallation(int dataFiles) : folder_(root_ / L"Zelo") {
  const std::wstring version = folder_ + L"\\8.22.0.2";
  SHCreateDirectoryExW(nullptr, version.c_str(), nullptr);
  SHCreateDirectoryExW(nullptr, (folder_ + L"\\res\\img").c_str(), nullptr);
  zelotest::writeTextFile(folder_ + L"\\Uninstall.exe", "older uninstaller");
  CopyFileW(standInProgram().c_str(), (version + L"\\setupmetrics.exe").c_str(), FALSE);
  CopyFileW(standInProgram().c_str(), (version + L"\\zelorun.exe").c_str(), FALSE);
  fileCount_ = 3;
  static const wchar_t* const kFolders[] = {L"", L"\\res", L"\\res\\img", L"\\8.22.0.2"};
  for (int i = 0; i < dataFiles; ++i) {
    std::wstring file = formatWide(L"%s%s\\data%d.bin", folder_.c_str(), kFolders[i % 4], i);
    if (zelotest::writeTextFile(file, "payload")) ++fileCount_;
  }
}

StandInRecords::StandInRecords() {
  SetEnvironmentVariableW(kRecordsVariable, folder_.path().c_str());
}

StandInRecords::~StandInRecords() { SetEnvironmentVariableW(kRecordsVariable, nullptr); }

bool StandInRecords::ran(const std::wstring& program) const {
  return zelotest::pathExists(folder_ / (program + L".record"));
}

std::wstring StandInRecords::commandLine(const std::wstring& program) const {
  return recordLine(folder_ / (program + L".record"), 0);
}

OlderRegistryEntries::OlderRegistryEntries(bool productSubKey)
    : neighbour_(zelotest::uniqueName(L"ZeloNeighbour")) {
  setRegString(HKEY_CURRENT_USER, kRunKey, L"Zelo", L"T:\\old\\Zelo.exe");
  setRegString(HKEY_CURRENT_USER, kRunKey, L"ZeloAssistant", L"T:\\old\\assistant.exe");
  setRegString(HKEY_CURRENT_USER, kRunKey, neighbour_, L"T:\\other.exe");
  setRegString(HKEY_CURRENT_USER, kProductKey, L"RootDir", L"T:\\old\\");
  if (productSubKey)
    setRegString(HKEY_CURRENT_USER, std::wstring(kProductKey) + L"\\update", L"", L"x");
  setRegString(HKEY_CURRENT_USER, kUninstallEntry, L"DisplayName", L"Zelo8");
}

OlderRegistryEntries::~OlderRegistryEntries() {
  deleteRunValue(L"Zelo");
  deleteRunValue(L"ZeloAssistant");
  deleteRunValue(neighbour_);
  RegDeleteTreeW(HKEY_CURRENT_USER, kProductKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\tarsel");  // only when nothing else is in it
  RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallEntry);
}

bool OlderRegistryEntries::runValueExists(const std::wstring& name) {
  UniqueRegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, key.receive()) != ERROR_SUCCESS)
    return false;
  return RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

bool OlderRegistryEntries::keyExists(const std::wstring& path) {
  UniqueRegKey key;
  return RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.receive()) ==
         ERROR_SUCCESS;
}

UninstallTest::UninstallTest() {
  for (const wchar_t* name : {L"Desktop", L"Programs", L"Start Menu"}) {
    SHCreateDirectoryExW(nullptr, (shell_ / name).c_str(), nullptr);
    redirects_.push_back(std::make_unique<ShellFolderRedirect>(name, shell_ / name));
  }
}

void UninstallTest::TearDown() { SetCurrentDirectoryW(zelotest::binFolder().c_str()); }

UninstallPaths UninstallTest::paths() const {
  UninstallPaths paths;
  paths.dataRoot = dataRoot();
  return paths;
}

}  // namespace uninstalltest
