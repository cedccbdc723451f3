// Records how it was started: "<command line>\n<working folder>\n" in UTF-16 into the file named
// by its own path followed by ".record". The tests read it to see exactly what a started program
// receives. With a first argument "sleep:N" it then waits N milliseconds before it exits.
#include <windows.h>

#include <cwchar>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR args, int) {
  wchar_t self[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  wchar_t cwd[MAX_PATH * 2] = {};
  GetCurrentDirectoryW(MAX_PATH * 2, cwd);

  std::wstring text = GetCommandLineW();
  text += L"\n";
  text += cwd;
  text += L"\n";
  std::wstring target = std::wstring(self) + L".record";
  HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(file);
  }
  const wchar_t* sleep = std::wcsstr(GetCommandLineW(), L"sleep:");
  if (sleep) Sleep(static_cast<DWORD>(_wtoi(sleep + 6)));
  return 0;
}
