// A small runtime library of the demo product's own, shipped as its side-by-side assembly
// "Microsoft.VC90.CRT" (the demo stands in for the product's real runtime).
#include <windows.h>

extern "C" __declspec(dllexport) int zeloRuntimeVersion() { return 90; }

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
