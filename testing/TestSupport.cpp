#include "TestSupport.h"

#include "base/FileUtils.h"
#include "base/LogFile.h"
#include "base/WideFormat.h"

#include <shlobj.h>

#include <algorithm>
#include <atomic>

namespace zelotest {

std::wstring binFolder() {
  wchar_t self[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring helperProgram() { return binFolder() + L"\\zelo_test_helper.exe"; }
std::wstring recorderProgram() { return binFolder() + L"\\zelo_record_args.exe"; }

int takeQuitCode() {
  MSG msg;
  if (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(msg.wParam);
  return kNoQuit;
}

std::wstring uniqueName(const std::wstring& prefix) {
  static std::atomic<unsigned> counter{0};
  return formatWide(L"%s-%lu-%u", prefix.c_str(), GetCurrentProcessId(), ++counter);
}

bool pathExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<uint8_t> readFileBytes(const std::wstring& path) {
  std::vector<uint8_t> bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size = {};
  GetFileSizeEx(file, &size);
  bytes.resize(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  CloseHandle(file);
  return bytes;
}

bool writeFileBytes(const std::wstring& path, const void* data, size_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = size == 0 || (WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) &&
                          written == size);
  CloseHandle(file);
  return ok;
}

bool writeTextFile(const std::wstring& path, const std::string& text) {
  return writeFileBytes(path, text.data(), text.size());
}

std::wstring readUtf16File(const std::wstring& path) {
  std::vector<uint8_t> bytes = readFileBytes(path);
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

void removeTree(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) removeTreeEntry(path, attributes);
}

TempFolder::TempFolder(const std::wstring& prefix) {
  std::wstring root = binFolder();
  root = root.substr(0, root.find_last_of(L'\\')) + L"\\tmp";
  path_ = root + L"\\" + uniqueName(prefix);
  SHCreateDirectoryExW(nullptr, path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { removeTree(path_); }

HelperProcess::~HelperProcess() {
  if (process_) {
    if (release(5000) == -1000) kill();
  }
  if (ready_) CloseHandle(ready_);
  if (release_) CloseHandle(release_);
  if (process_) CloseHandle(process_);
}

bool HelperProcess::start(const std::wstring& program, const std::wstring& commandLine,
                          bool withEvents) {
  std::wstring command = commandLine;
  if (withEvents) {
    std::wstring readyName = uniqueName(L"zelo-ready");
    std::wstring releaseName = uniqueName(L"zelo-release");
    ready_ = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    release_ = CreateEventW(nullptr, TRUE, FALSE, releaseName.c_str());
    command += L" " + readyName + L" " + releaseName;
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::vector<wchar_t> buffer(command.begin(), command.end());
  buffer.push_back(L'\0');
  if (!CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return false;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
  if (!withEvents) return true;
  HANDLE waits[2] = {ready_, process_};
  return WaitForMultipleObjects(2, waits, FALSE, 20000) == WAIT_OBJECT_0;
}

int HelperProcess::release(DWORD timeoutMs) {
  if (release_) SetEvent(release_);
  return waitExit(timeoutMs);
}

int HelperProcess::waitExit(DWORD timeoutMs) {
  if (!process_) return -1000;
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1000;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

void HelperProcess::kill() {
  if (!process_) return;
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, 5000);
}

LogTail::LogTail() : LogTail(LogFile::processLog() ? LogFile::processLog()->path() : L"") {}

LogTail::LogTail(const std::wstring& path) : path_(path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExW(path_.c_str(), GetFileExInfoStandard, &data))
    start_ = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::vector<std::wstring> LogTail::messages() const {
  std::vector<uint8_t> bytes = readFileBytes(path_);
  // A file found shorter was started afresh (the 1 MiB reset): everything after its mark is new.
  size_t from = bytes.size() < start_ ? 2 : static_cast<size_t>(std::max<uint64_t>(start_, 2));
  std::vector<std::wstring> lines;
  if (bytes.size() <= from) return lines;
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + from),
                    (bytes.size() - from) / 2);
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(L"\r\n", pos);
    std::wstring line = text.substr(pos, end == std::wstring::npos ? std::wstring::npos : end - pos);
    // "[YYYY-MM-DD hh:mm:ss] " is 22 characters.
    lines.push_back(line.size() >= 22 && line[0] == L'[' ? line.substr(22) : line);
    if (end == std::wstring::npos) break;
    pos = end + 2;
  }
  return lines;
}

std::wstring LogTail::last() const {
  std::vector<std::wstring> lines = messages();
  return lines.empty() ? std::wstring() : lines.back();
}

bool LogTail::contains(const std::wstring& text) const {
  std::vector<std::wstring> lines = messages();
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

}  // namespace zelotest
