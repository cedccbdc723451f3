#pragma once

// What the removal leaves behind outside the installation folder, for the product generation
// the uninstaller was built for. Both run after the files are gone, in this order; neither
// reports failure, and entries that are missing are simply skipped.

// The Run values "Zelo" and "ZeloAssistant", the key "Software\\tarsel\\zelo" (only when it has
// no sub-keys) and the uninstall entry "Zelo8", all under HKEY_CURRENT_USER.
void removeRegistryEntries();

// The product's shortcuts on the desktop, in the "Tarsel" group of the start menu's programs
// and in the start menu itself. Without a desktop folder nothing is removed.
void removeShortcuts();
