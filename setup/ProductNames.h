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

// The product's own web site: the uninstall entry's "URLInfoAbout", the favourite link and the
// finish page's web site option.
constexpr wchar_t kWebSite[] = L"https://www.orvizelo.example.com/";

// HKEY_CURRENT_USER + these. The Run key is only opened, never created.
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OrviZelo1";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kDisplayName[] = L"OrviZelo1";  // of the uninstall entry
constexpr wchar_t kPublisher[] = L"OrviZelo";

// Files the installation holds or leaves behind.
constexpr wchar_t kUninstaller[] = L"Uninstall.exe";
constexpr wchar_t kUninstallLinkName[] = L"\u5378\u8f7dOrviZelo";  // "uninstall OrviZelo"
constexpr wchar_t kFavouriteLink[] = L"Tarsel\u6e38\u620f\u7f51.url";  // "Tarsel game site"
constexpr wchar_t kRuntimeAssembly[] = L"Microsoft.VC90.CRT";
constexpr wchar_t kLauncherXml[] = L"Launcher.xml";

// Companion programs of the product.
constexpr wchar_t kWizard[] = L"zelowizard.exe";
constexpr wchar_t kSetupMetrics[] = L"setupmetrics.exe";
constexpr wchar_t kZeloRun[] = L"zelorun.exe";

// The running product's main window, and the message that asks it to quit.
constexpr wchar_t kMainFrameClass[] =
    L"TARSEL SPEAK MAIN FRAME | 4D1BB563-E5FC-4771-AD17-6442A4147044";
constexpr unsigned kQuitRequest = 0x8000 + 601;  // WM_APP + 601

// Only one installer runs at a time.
constexpr wchar_t kSetupMutex[] = L"{0980E678-72D2-484b-B983-D4E17598D5B7}";

}  // namespace product
