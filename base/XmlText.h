#pragma once

#include <cstddef>
#include <string>

// The text layer of the XML reader.

// UTF-8 bytes to UTF-16: malformed or cut-off sequences become "?", a decoded 0 ends the text.
std::wstring decodeUtf8Lenient(const char* bytes, size_t size);

// Replaces the five predefined entity references and numeric character references; any other
// ampersand stays as it is.
std::wstring decodeXmlReferences(const std::wstring& value);
