#pragma once

#include <string>

// The shell's special folder csidl (CSIDL_APPDATA, CSIDL_PROGRAM_FILES, ...), without a trailing
// backslash and not created; empty when the shell cannot resolve it.
std::wstring specialFolderPath(int csidl);

// The roaming application-data folder.
std::wstring appDataFolder();
