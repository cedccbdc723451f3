#pragma once

// The installer's fixed names, compiled in.
namespace product {

constexpr wchar_t kName[] = L"OrviZelo";            // default folder, registry key, data root
constexpr wchar_t kMaker[] = L"tarsel";             // default folder, log folder
constexpr wchar_t kExecutable[] = L"OrviZelo.exe";
constexpr wchar_t kLauncher[] = L"zelolauncher.exe";
constexpr wchar_t kVersion[] = L"1.1.6.0";          // version folder and displayed version

// HKEY_CURRENT_USER + this: the installer's own key ("Software\\" + the product name).
constexpr wchar_t kRegistryKey[] = L"Software\\OrviZelo";

// Only one installer runs at a time.
constexpr wchar_t kSetupMutex[] = L"{0980E678-72D2-484b-B983-D4E17598D5B7}";

}  // namespace product
