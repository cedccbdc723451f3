#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// MD5 message digest (RFC 1321).
std::array<uint8_t, 16> md5Digest(const void* data, size_t size);

// The digest as 32 lowercase hexadecimal digits.
std::wstring md5Hex(const void* data, size_t size);
