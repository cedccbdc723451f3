#pragma once

#include "setup/ProductNames.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// Saves nothing and restores nothing: the installer's key in the test prefix belongs to the
// tests that lock it (RESOURCE_LOCK), and each test starts with the key removed.
class InstallerKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, product::kRegistryKey); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, product::kRegistryKey); }

  static void setRootDir(const std::wstring& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, product::kRegistryKey, &key), ERROR_SUCCESS);
    RegSetValueExW(key, L"RootDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
};
