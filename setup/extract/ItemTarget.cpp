#include "setup/extract/ItemTarget.h"

#include <windows.h>

bool isContainedRelativePath(const std::wstring& rest) {
  if (rest.empty() || rest[0] == L'\\' || rest.find(L':') != std::wstring::npos) return false;
  size_t start = 0;
  for (;;) {
    size_t end = rest.find(L'\\', start);
    std::wstring element = rest.substr(start, end == std::wstring::npos ? end : end - start);
    if (element == L"..") return false;
    if (end == std::wstring::npos) return true;
    start = end + 1;
  }
}

ItemTarget itemTarget(const std::wstring& name, const std::wstring& baseDir,
                      const std::function<std::wstring()>& dataDir,
                      const std::function<std::wstring()>& tempDir) {
  if (name == L"InstallDir" || name == L"AppData" || name == L"TEMP" || name == L"QTX")
    return {ItemTarget::kSkip, std::wstring()};
  const size_t slash = name.find(L'\\');
  if (slash == std::wstring::npos) {
    if (!isContainedRelativePath(name)) return {ItemTarget::kRefuse, std::wstring()};
    return {ItemTarget::kWrite, baseDir + name};
  }
  const std::wstring root = name.substr(0, slash);
  const std::wstring rest = name.substr(slash + 1);
  if (!isContainedRelativePath(rest)) return {ItemTarget::kRefuse, std::wstring()};
  if (root == L"AppData") return {ItemTarget::kWrite, dataDir() + rest};
  if (root == L"TEMP") {
    const std::wstring temp = tempDir();
    if (temp.empty()) return {ItemTarget::kRefuse, std::wstring()};
    return {ItemTarget::kWrite, temp + L"\\" + rest};
  }
  return {ItemTarget::kWrite, baseDir + rest};
}

std::wstring usableTempFolder() {
  wchar_t value[MAX_PATH] = {};
  DWORD length = GetEnvironmentVariableW(L"TEMP", value, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::wstring();
  return value;
}
