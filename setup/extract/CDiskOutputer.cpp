#include "setup/extract/CDiskOutputer.h"

#include "base/DataFolders.h"
#include "base/FileUtils.h"
#include "base/LogFile.h"
#include "setup/ISetupNotify.h"
#include "setup/extract/ItemTarget.h"

#include <7zFile.h>

#include <algorithm>
#include <shlobj.h>
#include <shlwapi.h>

namespace {

std::wstring withBackslashes(std::wstring text) {
  std::replace(text.begin(), text.end(), L'/', L'\\');
  return text;
}

void createParentFolder(const std::wstring& path) {
  wchar_t folder[MAX_PATH] = {};
  if (path.size() >= MAX_PATH) return;  // the open fails and is logged with the whole path
  path.copy(folder, MAX_PATH - 1);
  PathRemoveFileSpecW(folder);
  if (!folder[0] || PathFileExistsW(folder)) return;
  int error = SHCreateDirectoryExW(nullptr, folder, nullptr);
  if (error != ERROR_SUCCESS && error != ERROR_ALREADY_EXISTS)
    writeLog(L"SHCreateDirectory fail, path is %s, last error is %d", folder, error);
}

// The SDK's writer: chunks of at most 4 MiB until done or a write writes nothing.
size_t diskWrite(HANDLE handle, const uint8_t* data, size_t size) {
  CSzFile file;
  file.handle = handle;
  size_t written = size;
  File_Write(&file, data, &written);
  return written;
}

// Writes everything from the start of the open file; a short write fails.
bool writeWhole(HANDLE file, const CDiskOutputer::FileWriter& writer, const uint8_t* data,
                size_t size, bool rewind) {
  if (rewind) {
    LARGE_INTEGER zero = {};
    if (!SetFilePointerEx(file, zero, nullptr, FILE_BEGIN) || !SetEndOfFile(file)) return false;
  }
  return writer(file, data, size) == size;
}

}  // namespace

CDiskOutputer::CDiskOutputer(const std::wstring& baseDir, ISetupNotify* notify)
    : baseDir_(withBackslashes(baseDir)), notify_(notify), writer_(diskWrite) {
  if (baseDir_.empty() || baseDir_.back() != L'\\') baseDir_ += L'\\';
}

const std::wstring& CDiskOutputer::dataDir() {
  if (dataDir_.empty()) dataDir_ = setupDataDirUnder(installerDataRoot(), baseDir_);
  return dataDir_;
}

bool CDiskOutputer::output(const std::wstring& archiveName, bool isDir, const uint8_t* data,
                           size_t size) {
  writeLog(L"CDiskOutputer::output, file is %s", archiveName.c_str());
  const std::wstring name = withBackslashes(archiveName);
  ItemTarget target = itemTarget(
      name, baseDir_, [this] { return dataDir(); }, usableTempFolder);
  if (target.kind == ItemTarget::kSkip) return true;
  if (target.kind == ItemTarget::kRefuse) {
    writeLog(L"CDiskOutputer::output, refuse item %s, it has no place below its target folder.",
             archiveName.c_str());
    return false;
  }
  createParentFolder(target.path);
  return _tryToDecompressItem(isDir, data, size, target.path);
}

bool CDiskOutputer::_tryToDecompressItem(bool isDir, const uint8_t* data, size_t size,
                                         const std::wstring& path) {
  if (isDir) {
    SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    return true;
  }
  CSzFile file;
  File_Construct(&file);
  bool opened = false;
  for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt) {
    opened = OutFile_OpenW(&file, path.c_str()) == 0;
    // A locked file (a running program) can still be renamed; the next attempt creates anew.
    if (!opened && attempt + 1 < kOpenAttempts) setAsideFile(path);
  }
  if (!opened) {
    writeLog(L"CDiskOutputer::_tryToDecompressItem, strFilePath=%s, nTryCount=%d, bResult=%d",
             path.c_str(), kWriteAttempts, 0);
    return false;
  }
  // NOTE: a failed write is retried through the same open handle from the start of the file;
  // renaming the file while this handle writes it would send the data to the ".old" name.
  int failedWrites = 0;
  bool written = false;
  while (!written && failedWrites < kWriteAttempts) {
    written = writeWhole(file.handle, writer_, data, size, failedWrites > 0);
    if (!written) ++failedWrites;
  }
  File_Close(&file);
  writeLog(L"CDiskOutputer::_tryToDecompressItem, strFilePath=%s, nTryCount=%d, bResult=%d",
           path.c_str(), failedWrites, written ? 1 : 0);
  return written;
}

void CDiskOutputer::progress(unsigned index, unsigned count) {
  if (notify_) notify_->onProgress(index, count);
}
