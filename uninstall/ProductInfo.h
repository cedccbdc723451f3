#pragma once

#include <string>

// The product id of an installation, passed to the statistics program: the number after the
// first "=" of the first line of "ProductInfo.txt" in setupDataDir (UTF-8 after a 3-byte
// byte-order mark). 1 when the file cannot be read, has no "=", or gives 0.
int readProductId(const std::wstring& setupDataDir);

// The id from one decoded line: the leading decimal number after the first "=".
int productIdFromLine(const std::wstring& line);
