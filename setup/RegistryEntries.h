#pragma once

#include <windows.h>

#include <string>

// The installer's registry entries under HKEY_CURRENT_USER.

// A REG_SZ value with its terminating null counted, as the registry's contract asks.
bool setRegString(HKEY key, const wchar_t* name, const std::wstring& value);

// The product key ("InstallDir", "RootDir") and the uninstall entry of install folder D; a key
// that cannot be created is logged and the other is still written.
void writeInstallRegistry(const std::wstring& installDir);

// Sets or removes the product's Run value (executable E). Only opens the Run key: without it
// nothing changes and nothing is logged.
void writeAutoRun(const std::wstring& executable, bool on);
