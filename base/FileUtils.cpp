#include "FileUtils.h"

#include "WinHandles.h"

#include <shellapi.h>
#include <windows.h>

namespace {

// The shell wants double-null terminated lists; a full-length copy keeps long names intact.
std::wstring doubleNullTerminated(const std::wstring& path) {
  std::wstring list = path;
  list.push_back(L'\0');
  return list;  // c_str() adds the second terminator
}

}  // namespace

bool setAsideFile(const std::wstring& path) {
  const std::wstring aside = path + L".old";
  DeleteFileW(aside.c_str());

  std::wstring from = doubleNullTerminated(path);
  std::wstring to = doubleNullTerminated(aside);
  SHFILEOPSTRUCTW op = {};
  op.wFunc = FO_RENAME;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;
  if (SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted &&
      GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    return true;
  return MoveFileW(path.c_str(), aside.c_str()) != FALSE;
}

bool isReparsePoint(unsigned long attributes) {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

void removeTreeEntry(const std::wstring& path, unsigned long attributes) {
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    if (!isReparsePoint(attributes)) deleteDirContents(path);
    RemoveDirectoryW(path.c_str());  // for a junction or directory link: the link only
  } else {
    if (attributes & FILE_ATTRIBUTE_READONLY)
      SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    DeleteFileW(path.c_str());
  }
}

void deleteDirContents(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  UniqueFind find(FindFirstFileW((folder + L"\\*.*").c_str(), &entry));
  if (!find) return;
  do {
    if (wcscmp(entry.cFileName, L".") == 0 || wcscmp(entry.cFileName, L"..") == 0) continue;
    removeTreeEntry(folder + L"\\" + entry.cFileName, entry.dwFileAttributes);
  } while (FindNextFileW(find.get(), &entry));
}
