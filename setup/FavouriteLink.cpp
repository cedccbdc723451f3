#include "setup/FavouriteLink.h"

#include "base/LogFile.h"
#include "base/SpecialFolders.h"
#include "base/WinHandles.h"
#include "setup/ProductNames.h"

#include <shlobj.h>
#include <windows.h>

std::wstring favouriteLinkContent() {
  return std::wstring(L"\xFEFF[InternetShortcut]\r\nURL=") + product::kWebSite + L"\r\n";
}

bool writeFavouriteLink() {
  writeLog(L"ZeloSetupCore::collectTarsel, collect official website.");
  const std::wstring favourites = specialFolderPath(CSIDL_FAVORITES);
  if (favourites.empty()) return false;
  const std::wstring path = favourites + L"\\" + product::kFavouriteLink;
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const std::wstring content = favouriteLinkContent();
  const DWORD bytes = static_cast<DWORD>(content.size() * sizeof(wchar_t));
  DWORD written = 0;
  return WriteFile(file.get(), content.data(), bytes, &written, nullptr) && written == bytes;
}
