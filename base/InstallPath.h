#pragma once

#include <string>

// The install-folder rules shared by both programs.

// Upper case, "/" turned into "\\", runs of backslashes made single, leading and trailing
// backslashes removed. The same folder written in any of these ways gives the same text.
std::wstring normalizePath(const std::wstring& path);

// An absolute folder on an existing drive ("X:\\" first) whose inner elements are not blank,
// no element ending in a dot ("." or ".."), and whose part after the drive holds none of / : * ? " < > |.
bool isValidInstallPath(const std::wstring& path);

// Free space available to the caller on the drive named by the first three characters of path,
// in MiB; 0 when the system cannot tell.
double freeSpaceMB(const std::wstring& path);
