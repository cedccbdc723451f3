#pragma once

#include <string>

// The per-installation data folders, keyed by the install folder. The two programs keep them
// under different roots: the installer under "OrviZelo", the uninstaller (built for the older
// generation of the product) under "tarsel\\zelo".

// 32 lowercase hex digits: MD5 of normalizePath(installDir) in the system ANSI code page.
std::wstring installKey(const std::wstring& installDir);

// Roaming application data + "\\OrviZelo\\" (installer) or + "\\tarsel\\zelo\\" (uninstaller);
// created with all missing parents.
std::wstring installerDataRoot();
std::wstring uninstallerDataRoot();

// dataRoot + "setup\\" + installKey + "\\", created with all missing parents.
std::wstring setupDataDirUnder(const std::wstring& dataRoot, const std::wstring& installDir);

// dataRoot + "update\\" + installKey + "\\", not created (the installer only).
std::wstring updateDataDirUnder(const std::wstring& dataRoot, const std::wstring& installDir);
