#include "setup/WinsockCategory.h"

#include "base/LogFile.h"

#include <windows.h>

namespace {

// The platform's prototype, seven parameters with the error number last; a shorter pointer
// type would leave the callee's arguments on the stack of a stdcall caller.
using SetApplicationCategory = int(WINAPI*)(const wchar_t* path, DWORD pathLength,
                                            const wchar_t* extra, DWORD extraLength,
                                            DWORD permittedCategories, DWORD* previousCategories,
                                            int* errorNumber);

constexpr DWORD kLspSystem = 0x80000000;

class Library {
 public:
  explicit Library(const wchar_t* name) : module_(LoadLibraryW(name)) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  FARPROC find(const char* name) const { return module_ ? GetProcAddress(module_, name) : nullptr; }

 private:
  HMODULE module_;
};

bool callCategory(const std::wstring& executable) {
  if (executable.empty()) return false;
  Library winsock(L"Ws2_32.dll");
  auto set = reinterpret_cast<SetApplicationCategory>(winsock.find("WSCSetApplicationCategory"));
  if (!set) return false;
  int errorNumber = 0;
  return set(executable.c_str(), static_cast<DWORD>(executable.size()), nullptr, 0, kLspSystem,
             nullptr, &errorNumber) == 0;
}

}  // namespace

bool setWinsockCategory(const std::wstring& executable) {
  const bool result = callCategory(executable);
  writeLog(L"ZeloSetupCore::CustomLsp, strAppFilePath=%s, bResult=%d", executable.c_str(),
           result ? 1 : 0);
  return result;
}
