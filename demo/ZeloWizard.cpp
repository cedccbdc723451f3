// The demo product's "zelowizard.exe": works for a moment before it records how it was started,
// so a record present when the installer goes on shows that the installer waited for it.
#include "StartRecord.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  Sleep(500);
  recordStart();
  return 0;
}
