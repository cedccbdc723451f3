#pragma once

#include <string>

// Moves path to path + ".old" (an older ".old" file is deleted first), so that a locked file
// can be replaced. Tries the shell's rename, then MoveFileW. Returns whether the file moved.
bool setAsideFile(const std::wstring& path);

// Deletes everything inside folder; the folder itself stays. A junction or symbolic link inside
// is removed as a link, never followed. Errors are ignored; a missing folder is no error.
void deleteDirContents(const std::wstring& folder);

// True for a folder entry that is a junction or symbolic link (a reparse point).
bool isReparsePoint(unsigned long attributes);

// Removes one directory entry found while walking a tree: a link itself (never its target),
// a plain folder after its contents, or a file.
void removeTreeEntry(const std::wstring& path, unsigned long attributes);
