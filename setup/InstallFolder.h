#pragma once

#include <string>

// The install folder as the extraction and the install actions use it: blanks trimmed, "/" as
// "\\" and runs of backslashes made single (as the validity rule read it), ending in a backslash,
// and a drive root given a product folder ("E:\\" installs into "E:\\OrviZelo\\"). The folder has
// passed isValidInstallPath.
std::wstring normalizeInstallDir(const std::wstring& folder);

// The previous installation's folder: HKEY_CURRENT_USER\Software\OrviZelo "RootDir" when it has at
// least four characters, else empty.
std::wstring previousInstallDir();

// The Program Files folder + "\\tarsel\\OrviZelo" (no trailing backslash); empty when the shell
// cannot name the Program Files folder.
std::wstring defaultInstallDir();
