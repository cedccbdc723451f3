#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One running process as the tool-help snapshots show it.
struct ProcessImage {
  DWORD processId = 0;
  std::wstring exeName;     // the executable's file name
  std::wstring modulePath;  // full path of its first module; empty when it cannot be read
};

// Every running process. The module path is read only for those that pass wanted (all when
// wanted is null), since a module snapshot per process is costly.
std::vector<ProcessImage> runningProcesses(bool (*wanted)(const wchar_t* exeName) = nullptr);

// path cut after its last backslash (the backslash kept); empty without one.
std::wstring folderOf(const std::wstring& path);
