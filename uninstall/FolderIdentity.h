#pragma once

#include <string>
#include <vector>

// Which folder a path names, whatever its spelling: short names, shares, drive aliases and
// links all lead to the same volume serial number and file index.
struct FolderIdentity {
  bool known = false;  // false when the folder could not be opened
  unsigned long volume = 0;
  unsigned long indexHigh = 0;
  unsigned long indexLow = 0;

  bool operator==(const FolderIdentity& other) const {
    return known && other.known && volume == other.volume && indexHigh == other.indexHigh &&
           indexLow == other.indexLow;
  }
  bool operator!=(const FolderIdentity& other) const { return !(*this == other); }
};

// The folder that path leads to, following links.
FolderIdentity folderIdentity(const std::wstring& path);

// True when path itself (not what it leads to) is a junction or symbolic link now.
bool isLinkNow(const std::wstring& path);

// folder and every folder above it, nearest first, as spelled and (when the system can tell) as
// the folder's final path after links; only drive roots end in a backslash.
std::vector<std::wstring> selfAndAncestors(const std::wstring& folder);
