#include "AssemblyInstaller.h"

#include "AssemblyIdentity.h"
#include "WinHandles.h"

#include <windows.h>

#include <fusion.h>
#include <shlwapi.h>

#include <vector>

namespace {

// The file-path scheme of Fusion's install references.
constexpr GUID kFilePathScheme = {
    0xB02F9D65, 0xFB77, 0x4F7A, {0xAF, 0xA5, 0xB3, 0x91, 0x30, 0x9F, 0x11, 0xC9}};
constexpr HRESULT kAlreadyExists = static_cast<HRESULT>(0x800700B7);

struct AssemblyEntry {
  std::wstring manifest;
  std::wstring policy;
};

using InstallRoutine = bool (*)(const AssemblyEntry&, const std::wstring& application);

std::wstring fullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH] = {};
  DWORD got = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  return got == 0 || got >= MAX_PATH ? path : std::wstring(full);
}

bool endsWithNoCase(const std::wstring& name, const wchar_t* suffix) {
  const size_t n = wcslen(suffix);
  return name.size() >= n && lstrcmpiW(name.c_str() + name.size() - n, suffix) == 0;
}

// One entry when the folder holds exactly one manifest and one policy.
std::vector<AssemblyEntry> findEntries(const std::wstring& folder) {
  std::vector<std::wstring> manifests, policies;
  WIN32_FIND_DATAW entry;
  UniqueFind find(FindFirstFileW((folder + L"*").c_str(), &entry));
  if (find) {
    do {
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      if (endsWithNoCase(entry.cFileName, L".manifest")) manifests.push_back(entry.cFileName);
      if (endsWithNoCase(entry.cFileName, L".policy")) policies.push_back(entry.cFileName);
    } while (FindNextFileW(find.get(), &entry));
  }
  if (manifests.size() != 1 || policies.size() != 1) return {};
  return {{folder + manifests[0], folder + policies[0]}};
}

class AssemblyCache {
 public:
  AssemblyCache() {
    using Create = HRESULT(WINAPI*)(IAssemblyCache**, DWORD);
    module_ = LoadLibraryW(L"sxs.dll");  // stays loaded: the cache may keep using it
    auto create = module_ ? reinterpret_cast<Create>(GetProcAddress(module_, "CreateAssemblyCache"))
                          : nullptr;
    if (create && FAILED(create(&cache_, 0))) cache_ = nullptr;
  }
  ~AssemblyCache() {
    if (cache_) cache_->Release();
  }
  AssemblyCache(const AssemblyCache&) = delete;
  AssemblyCache& operator=(const AssemblyCache&) = delete;

  bool valid() const { return cache_ != nullptr; }
  HRESULT install(const std::wstring& path, const std::wstring& application) {
    FUSION_INSTALL_REFERENCE reference = {};
    reference.cbSize = sizeof reference;
    reference.guidScheme = kFilePathScheme;
    reference.szIdentifier = application.c_str();
    return cache_->InstallAssembly(0, path.c_str(), &reference);
  }

 private:
  HMODULE module_ = nullptr;
  IAssemblyCache* cache_ = nullptr;
};

// The store reports the assembly present: an empty store folder of it is a leftover that
// blocks the installation, so it goes and the installation is tried once more.
HRESULT installOrReplaceEmpty(AssemblyCache& cache, const std::wstring& path,
                              const std::wstring& application) {
  HRESULT result = cache.install(path, application);
  if (result != kAlreadyExists) return result;
  AssemblyManifest manifest;
  if (!readAssemblyManifest(path, &manifest)) return result;
  const std::wstring folder = assemblyStoreFolder() + manifest.folderName;
  if (RemoveDirectoryW(folder.c_str())) result = cache.install(path, application);
  return result;
}

bool installThroughCache(const AssemblyEntry& entry, const std::wstring& application) {
  AssemblyCache cache;
  if (!cache.valid()) return false;
  // NOTE: only S_OK counts: Wine's cache reports a refused manifest with a bare Win32 error
  // number, which reads as a success code.
  if (installOrReplaceEmpty(cache, entry.manifest, application) != S_OK) return false;
  HRESULT policy = installOrReplaceEmpty(cache, entry.policy, application);
  return policy == S_OK || policy == kAlreadyExists;
}

bool copyIntoSystemFolder(const AssemblyEntry& entry, const std::wstring&) {
  wchar_t system[MAX_PATH] = {};
  if (!GetSystemDirectoryW(system, MAX_PATH)) return false;
  std::wstring target = system;
  if (target.back() != L'\\') target += L'\\';
  std::wstring folder = entry.manifest.substr(0, entry.manifest.find_last_of(L'\\') + 1);
  WIN32_FIND_DATAW found;
  UniqueFind find(FindFirstFileW((folder + L"*.dll").c_str(), &found));
  bool ok = true;
  if (!find) return ok;
  do {
    const std::wstring destination = target + found.cFileName;
    CopyFileW((folder + found.cFileName).c_str(), destination.c_str(), FALSE);
    DWORD attributes = GetFileAttributesW(destination.c_str());
    ok = ok && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  } while (FindNextFileW(find.get(), &found));
  return ok;
}

// The assembly cache from Windows XP on; plain copies before it.
InstallRoutine chooseRoutine() {
  const DWORD version = GetVersion();
  const DWORD major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
  return major >= 6 || (major == 5 && minor != 0) ? installThroughCache : copyIntoSystemFolder;
}

}  // namespace

std::wstring assemblyStoreFolder() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  std::wstring folder = windows;
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder + L"WinSxs\\";
}

int installAsm(const std::wstring& folder, const std::wstring& application) {
  DWORD folderAttributes = GetFileAttributesW(folder.c_str());
  DWORD appAttributes = GetFileAttributesW(application.c_str());
  if (folderAttributes == INVALID_FILE_ATTRIBUTES || !(folderAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
      appAttributes == INVALID_FILE_ATTRIBUTES || (appAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return -1;
  std::wstring assemblyFolder = fullPath(folder);
  if (assemblyFolder.back() != L'\\') assemblyFolder += L'\\';
  const std::wstring app = fullPath(application);
  const InstallRoutine routine = chooseRoutine();

  const bool comStarted = SUCCEEDED(CoInitialize(nullptr));  // a failure is no obstacle
  const std::vector<AssemblyEntry> entries = findEntries(assemblyFolder);
  bool ok = !entries.empty();
  for (const AssemblyEntry& entry : entries) ok = routine(entry, app) && ok;
  if (comStarted) CoUninitialize();
  return ok ? 0 : 1;
}
