#pragma once

#include <string>

// Registers executable with the Winsock catalogue as a program that permits only the system's
// layered providers. True when the platform call reported success; false without the call (no
// "Ws2_32.dll" export, or an empty path).
bool setWinsockCategory(const std::wstring& executable);
