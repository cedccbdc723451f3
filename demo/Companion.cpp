// A companion program of the demo product ("setupmetrics.exe", "zelorun.exe",
// "zelolauncher.exe"): records how it was started and ends.
#include "StartRecord.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  recordStart();
  return 0;
}
