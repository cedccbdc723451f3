// Records how it was started (see recordStart) into its own path + ".record". The tests read it
// to see exactly what a started program receives. With a first argument "sleep:N" it then waits
// N milliseconds before it exits.
#include "StartRecord.h"

#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  recordStart();
  const wchar_t* sleep = std::wcsstr(GetCommandLineW(), L"sleep:");
  if (sleep) Sleep(static_cast<DWORD>(_wtoi(sleep + 6)));
  return 0;
}
