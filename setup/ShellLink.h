#pragma once

#include <shlobj.h>
#include <windows.h>

#include <string>

// One shell link object on the calling thread, with COM initialised for its lifetime (the
// install actions run on the extraction worker, whose COM state is nobody else's).
class ShellLink {
 public:
  ShellLink();
  ~ShellLink();
  ShellLink(const ShellLink&) = delete;
  ShellLink& operator=(const ShellLink&) = delete;

  // The link object exists (COM started and the shell link class created).
  bool created() const { return link_ != nullptr; }
  // Its persist-file interface exists.
  bool persistent() const { return file_ != nullptr; }

  bool load(const std::wstring& path);
  bool save(const std::wstring& path);
  // At most MAX_PATH characters, empty when unset or unreadable.
  std::wstring target() const;
  std::wstring workingDir() const;
  bool setTarget(const std::wstring& path);
  bool setWorkingDir(const std::wstring& folder);

 private:
  bool comStarted_ = false;
  IShellLinkW* link_ = nullptr;
  IPersistFile* file_ = nullptr;
};
