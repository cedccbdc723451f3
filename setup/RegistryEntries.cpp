#include "setup/RegistryEntries.h"

#include "base/LogFile.h"
#include "base/WinHandles.h"
#include "setup/ProductNames.h"

bool setRegString(HKEY key, const wchar_t* name, const std::wstring& value) {
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        bytes) == ERROR_SUCCESS;
}

void writeInstallRegistry(const std::wstring& installDir) {
  UniqueRegKey productKey;
  if (RegCreateKeyW(HKEY_CURRENT_USER, product::kRegistryKey, productKey.receive()) !=
      ERROR_SUCCESS) {
    writeLog(L"ZeloSetupCore::_writeRegedit, RegCreateKey STR_ZELO_REG_LOCATION fail.");
  } else {
    setRegString(productKey.get(), L"InstallDir", installDir);
    setRegString(productKey.get(), L"RootDir", installDir);
    productKey.reset();
  }

  UniqueRegKey uninstallKey;
  if (RegCreateKeyW(HKEY_CURRENT_USER, product::kUninstallKey, uninstallKey.receive()) !=
      ERROR_SUCCESS) {
    writeLog(L"ZeloSetupCore::_writeRegedit, RegCreateKey strUninstallKey fail.");
    return;
  }
  setRegString(uninstallKey.get(), L"UninstallString", installDir + product::kUninstaller);
  setRegString(uninstallKey.get(), L"DisplayName", product::kDisplayName);
  setRegString(uninstallKey.get(), L"Publisher", product::kPublisher);
  setRegString(uninstallKey.get(), L"URLInfoAbout", product::kWebSite);
  setRegString(uninstallKey.get(), L"DisplayVersion", product::kVersion);
}

void writeAutoRun(const std::wstring& executable, bool on) {
  UniqueRegKey run;
  if (RegOpenKeyW(HKEY_CURRENT_USER, product::kRunKey, run.receive()) != ERROR_SUCCESS) return;
  writeLog(L"ZeloSetupCore::setAutoRun=%d, write REGEDIT (auto run app).", on ? 1 : 0);
  if (on)
    setRegString(run.get(), product::kName, executable);
  else
    RegDeleteValueW(run.get(), product::kName);
}
