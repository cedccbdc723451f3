#pragma once

#include <functional>
#include <string>

// Where an archive item goes. The item's first path element names its target root: "InstallDir"
// (and any unknown root) the install folder, "AppData" the per-installation data folder, "TEMP"
// the temporary folder; the rest of the path stays the same below that root.
struct ItemTarget {
  enum Kind {
    kWrite,    // path holds the full target path
    kSkip,     // the root folders themselves
    kRefuse,   // the item would land outside its root, or its root cannot be named
  };
  Kind kind;
  std::wstring path;
};

// name uses backslashes only. baseDir is the install folder, ending in a backslash.
// dataDir() and tempDir() are asked only for items below those roots.
ItemTarget itemTarget(const std::wstring& name, const std::wstring& baseDir,
                      const std::function<std::wstring()>& dataDir,
                      const std::function<std::wstring()>& tempDir);

// True for a path below a root that stays below it: not empty, no ".." element, no drive or
// colon, no leading backslash.
bool isContainedRelativePath(const std::wstring& rest);

// The value of "TEMP" when it names a usable folder: not empty and shorter than 260 characters.
std::wstring usableTempFolder();
