#pragma once

#include <string>

// The product site's Internet shortcut in the user's Favorites folder ("Tarsel游戏网.url"),
// replaced if present: UTF-16 with its byte-order mark and "\r\n" line ends, as the shell's
// reader of such files expects. False when the folder or the file is not available.
bool writeFavouriteLink();

// The file's content, byte-order mark included.
std::wstring favouriteLinkContent();
