// Stands in for the older generation's companion programs, which the removal starts from inside
// the folder it then deletes: records "<command line>\n<working folder>\n" in UTF-16 into the
// folder named by the environment variable ZELO_STANDIN_RECORDS, as "<own file name>.record",
// so the record outlives the installation.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  wchar_t self[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  wchar_t folder[MAX_PATH * 2] = {};
  if (!GetEnvironmentVariableW(L"ZELO_STANDIN_RECORDS", folder, MAX_PATH * 2)) return 2;
  wchar_t cwd[MAX_PATH * 2] = {};
  GetCurrentDirectoryW(MAX_PATH * 2, cwd);

  std::wstring name = self;
  name = name.substr(name.find_last_of(L'\\') + 1);
  std::wstring text = std::wstring(GetCommandLineW()) + L"\n" + cwd + L"\n";
  std::wstring target = std::wstring(folder) + L"\\" + name + L".record";
  HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
            nullptr);
  CloseHandle(file);
  return 0;
}
