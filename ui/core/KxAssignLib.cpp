#include "KxAssignLib.h"

#include "KxSingleton.h"

#include <windows.h>

#include <atomic>
#include <cwchar>

KX_IMPLEMENT_CLASS(KxAssignLib, KxRttiObject)

namespace {

std::atomic<KxAssignLib*> g_assignLib{nullptr};

bool endsWith(const KxString& s, const wchar_t* tail) {
  const int n = static_cast<int>(wcslen(tail));
  return s.length() >= n && s.right(n) == tail;
}

// The program's folder with forward slashes and no trailing slash.
KxString programDirectory() {
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  KxString dir(path, static_cast<int>(n));
  dir.replace(KxString(L"\\"), KxString(L"/"));
  const int slash = dir.lastIndexOf(L'/');
  return slash >= 0 ? dir.left(slash) : KxString();
}

// Build-output folder names, for which "home" is the folder above.
bool isBuildFolderName(const KxString& name) {
  static const wchar_t* const kNames[] = {L"Win32", L"Debug", L"Release"};
  const int n = name.length() < 5 ? name.length() : 5;
  if (n == 0) return false;
  for (const wchar_t* candidate : kNames) {
    if (_wcsnicmp(name.constData(), candidate, n) == 0) return true;
  }
  return false;
}

}  // namespace

KxAssignLib* KxAssignLib::instance() {
  KxAssignLib* lib = kxPublishOnce(g_assignLib);
  lib->fillDefaults();
  return lib;
}

void KxAssignLib::fillDefaultAliases() { instance(); }

void KxAssignLib::releaseAliases() { delete g_assignLib.exchange(nullptr); }

void KxAssignLib::fillDefaults() {
  if (filled_) return;
  filled_ = true;
  const KxString fileScheme(L"file:///");
  const KxString bin = programDirectory();
  KxString home = bin;
  const int slash = bin.lastIndexOf(L'/');
  if (slash >= 0 && isBuildFolderName(bin.mid(slash + 1))) home = bin.left(slash);
  entries_[KxString(L"home")] = fileScheme + home;
  entries_[KxString(L"bin")] = fileScheme + bin;
  entries_[KxString(L"root")] = fileScheme + bin;
  entries_[KxString(L"kxgui")] = KxString(L"dll:///theme/gui");
}

void KxAssignLib::assign(const KxString& name, const KxString& value) { entries_[name] = value; }

KxString KxAssignLib::value(const KxString& name) const {
  auto it = entries_.find(name);
  return it == entries_.end() ? KxString() : it->second;
}

KxString KxAssignLib::expand(const KxString& text) {
  fillDefaults();
  KxString result = text;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    const int colon = result.indexOf(L':');
    // One-letter names are drive letters, never aliases.
    if (colon < 2) break;
    auto it = entries_.find(result.left(colon));
    if (it == entries_.end()) break;
    const KxString& value = it->second;
    KxString expanded = value;
    if (!value.isEmpty() && !endsWith(value, L":") && !endsWith(value, L":/"))
      expanded.append(L'/');
    expanded.append(result.mid(colon + 1));
    result = expanded;
  }
  result.replace(KxString(L"\\"), KxString(L"/"));
  int end = result.length();
  while (end > 0 && result.at(end - 1) == L'/') --end;
  return result.left(end);
}
