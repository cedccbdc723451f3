#pragma once

#include <string>

// The product's shortcuts. D is the install folder (ending in a backslash); every link starts
// in the data root.

// A link to target with the data root as working folder, saved at linkPath.
void createShortcut(const std::wstring& target, const std::wstring& linkPath,
                    const std::wstring& workingDir);

// The desktop link, the program group with the product and the uninstall links, and the Start
// Menu link. A special folder that cannot be resolved is logged and its links are skipped.
void createProductShortcuts(const std::wstring& installDir, const std::wstring& workingDir);

// Retargets the quick-launch and pinned links of this installation ("zelolauncher.exe" or
// "OrviZelo.exe" in D) to D + "OrviZelo.exe"; links elsewhere are left alone.
void updatePinnedShortcuts(const std::wstring& installDir, const std::wstring& workingDir);
