#include "uninstall/ProcessImages.h"

#include "base/WinHandles.h"

#include <tlhelp32.h>

namespace {

std::wstring firstModulePath(DWORD processId) {
  UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!snapshot) return std::wstring();
  MODULEENTRY32W module = {};
  module.dwSize = sizeof module;
  if (!Module32FirstW(snapshot.get(), &module)) return std::wstring();
  return module.szExePath;
}

}  // namespace

std::vector<ProcessImage> runningProcesses(bool (*wanted)(const wchar_t* exeName)) {
  std::vector<ProcessImage> images;
  UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return images;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (wanted && !wanted(entry.szExeFile)) continue;
    images.push_back({entry.th32ProcessID, entry.szExeFile, firstModulePath(entry.th32ProcessID)});
  }
  return images;
}

std::wstring folderOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}
