#pragma once

#include "setup/extract/ItemSink.h"

#include <windows.h>

#include <functional>
#include <string>

class ISetupNotify;

// Places archive items below the install folder, the per-installation data folder and the
// temporary folder. A file that cannot be created is set aside (".old") and created again.
class CDiskOutputer : public ItemSink {
 public:
  static constexpr int kOpenAttempts = 6;
  static constexpr int kWriteAttempts = 5;

  // baseDir: the install folder; "/" become "\\" and a trailing backslash is added.
  CDiskOutputer(const std::wstring& baseDir, ISetupNotify* notify);

  bool wantItem(const std::wstring&) override { return true; }
  bool output(const std::wstring& name, bool isDir, const uint8_t* data, size_t size) override;
  bool continueLoop() override { return true; }
  void progress(unsigned index, unsigned count) override;

  const std::wstring& baseDir() const { return baseDir_; }

  // Writes size bytes to the open file and returns how many were written. The disk's own writer
  // unless a test replaces it: a short write cannot be made to happen on demand.
  using FileWriter = std::function<size_t(HANDLE file, const uint8_t* data, size_t size)>;
  void setFileWriter(FileWriter writer) { writer_ = std::move(writer); }

 private:
  bool _tryToDecompressItem(bool isDir, const uint8_t* data, size_t size, const std::wstring& path);
  const std::wstring& dataDir();

  std::wstring baseDir_;
  std::wstring dataDir_;  // computed (and created) on the first "AppData" item
  ISetupNotify* notify_;
  FileWriter writer_;
};
