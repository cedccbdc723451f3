#pragma once

#include <string>

// Installs the side-by-side assembly held in folder (one manifest, one publisher policy, their
// DLLs) into the system's store, referenced by application. Returns -1 when the folder is not a
// folder or the application not a file, 0 when every assembly found was installed, 1 when
// there was nothing to install or an installation failed.
int installAsm(const std::wstring& folder, const std::wstring& application);

// The store folder: the Windows folder + "WinSxs\\".
std::wstring assemblyStoreFolder();
