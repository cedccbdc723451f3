// A small DLL of our own for the side-by-side installation tests.
extern "C" __declspec(dllexport) int zeloSxsValue() { return 7; }
