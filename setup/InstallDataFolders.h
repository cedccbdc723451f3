#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The data that hangs on an install folder D (normalised, ending in a backslash).

// Roaming application data + "\\OrviZelo\\", created.
std::wstring dataRoot();
// dataRoot + "setup\\" + installKey(D) + "\\", created.
std::wstring setupDataDir(const std::wstring& installDir);
// dataRoot + "update\\" + installKey(D) + "\\", not created.
std::wstring updateDataDir(const std::wstring& installDir);

// The archive resource (type "zip", id 101) of the running program, in bytes; 0 without one.
uint64_t archiveResourceBytes();
// Whole MiB needed for an archive of this size: four times its size. Computed in 64 bits, so a
// payload of 1 GiB or more does not wrap to a small figure.
uint64_t requiredSpaceMB(uint64_t archiveBytes);
// "所需空间：" + the figure + "M".
std::wstring requiredSpaceText(uint64_t requiredMB);
// "可用空间：" + the free space in GiB with two decimals + "G".
std::wstring freeSpaceText(double freeMB);
// The wizard goes on only when the drive has at least the required space.
bool hasEnoughSpace(double freeMB, uint64_t requiredMB);

// A "zeloPath" that names a folder directly below the install folder: one plain name, without
// separators, drive or colon, not ending in a dot or blank (which rules out "." and "..").
bool isPlainRelativeFolder(const std::wstring& name);

// The existing version folders that D's Launcher.xml names, as D + "\\" + "zeloPath". An
// unreadable or malformed file gives none; a "zeloPath" that could point outside D is skipped
// and logged.
std::vector<std::wstring> launcherVersionFolders(const std::wstring& installDir);
