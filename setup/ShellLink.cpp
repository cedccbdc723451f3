#include "setup/ShellLink.h"

ShellLink::ShellLink() {
  comStarted_ = SUCCEEDED(CoInitialize(nullptr));
  if (!comStarted_) return;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link_)))) {
    link_ = nullptr;
    return;
  }
  if (FAILED(link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file_))))
    file_ = nullptr;
}

ShellLink::~ShellLink() {
  if (file_) file_->Release();
  if (link_) link_->Release();
  if (comStarted_) CoUninitialize();
}

bool ShellLink::load(const std::wstring& path) {
  return file_ && SUCCEEDED(file_->Load(path.c_str(), STGM_READ));
}

bool ShellLink::save(const std::wstring& path) {
  return file_ && SUCCEEDED(file_->Save(path.c_str(), TRUE));
}

std::wstring ShellLink::target() const {
  wchar_t path[MAX_PATH + 1] = {};
  if (!link_ || FAILED(link_->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
    return std::wstring();
  return path;
}

std::wstring ShellLink::workingDir() const {
  wchar_t path[MAX_PATH + 1] = {};
  if (!link_ || FAILED(link_->GetWorkingDirectory(path, MAX_PATH))) return std::wstring();
  return path;
}

bool ShellLink::setTarget(const std::wstring& path) {
  return link_ && SUCCEEDED(link_->SetPath(path.c_str()));
}

bool ShellLink::setWorkingDir(const std::wstring& folder) {
  return link_ && SUCCEEDED(link_->SetWorkingDirectory(folder.c_str()));
}
