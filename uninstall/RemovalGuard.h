#pragma once

#include <string>

// The checks that stand between a "-path" value and the deletion of its whole tree. The removal
// run receives its folder on the command line, so any folder the system accepts could arrive
// there; only a folder that is plainly an installation of the product may go.

// Why installPath must not be removed, as a short phrase for the log; empty when it may be.
// Refused: a path that is not a plain full path (relative, with "." or "..", device and "\\?\"
// forms, which under Wine also reach the host's files), a drive or share root, the Windows
// folder, a Program Files root, the user's profile, a special folder of the shell, any folder
// that holds one of these, a link, and a folder with neither "Uninstall.exe" nor the version
// folder "8.22.0.2" directly inside.
std::wstring removalRefusal(const std::wstring& installPath);
