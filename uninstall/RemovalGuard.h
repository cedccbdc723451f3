#pragma once

#include "uninstall/FolderIdentity.h"
#include "uninstall/UninstallPaths.h"

#include <string>

// The checks that stand between a "-path" value and the deletion of its whole tree. The removal
// run receives its folder on the command line, so any folder the system accepts could arrive
// there; only a folder that is plainly an installation of the product may go.

// Why installPath must not be removed, as a short phrase for the log; empty when it may be.
// Refused: a path that is not a plain full path (relative, with "." or "..", a colon after the
// drive letter as stream names have, device and "\\?\" forms, which under Wine also reach the
// host's files), a drive or share root, the Windows folder, a Program Files root, the user's
// profile, a special folder of the shell, any folder that holds one of these, the uninstaller's
// relocation folder with everything in and above it, a folder that holds the running
// uninstaller, a link, and a folder with neither "Uninstall.exe" nor the version folder
// "8.22.0.2" directly inside. Folders are compared as folders (volume and file index), not
// only as written, so another spelling of a refused folder is refused as well.
std::wstring removalRefusal(const std::wstring& installPath, const UninstallPaths& paths);

// The same kind of phrase for the moment just before the tree goes, after the companion
// programs had their seconds: installPath must still be the folder that passed (checked) and
// must not have become a link meanwhile.
std::wstring lateRemovalRefusal(const std::wstring& installPath, const FolderIdentity& checked);
