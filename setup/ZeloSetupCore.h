#pragma once

#include <memory>
#include <string>

class ISetupNotify;
class SetupChecker;
class ZeloSetupDecompressor;

// The installer's work: owns the environment check and the extraction worker, and the
// normalised install folder.
class ZeloSetupCore {
 public:
  // decompressor: the extraction worker to use; null builds the real one.
  explicit ZeloSetupCore(ISetupNotify* notify,
                         std::unique_ptr<ZeloSetupDecompressor> decompressor = nullptr);
  // Stops and joins both workers, then deletes them.
  ~ZeloSetupCore();
  ZeloSetupCore(const ZeloSetupCore&) = delete;
  ZeloSetupCore& operator=(const ZeloSetupCore&) = delete;

  SetupChecker& checker() { return *checker_; }
  ZeloSetupDecompressor& decompressor() { return *decompressor_; }

  // installDir := folder normalised (ending in a backslash); the extractor targets the same.
  void setInstallDir(const std::wstring& folder);
  const std::wstring& installDir() const { return installDir_; }

  // The install actions after a successful extraction.
  void doAfterDecompress();

 private:
  std::unique_ptr<SetupChecker> checker_;
  std::unique_ptr<ZeloSetupDecompressor> decompressor_;
  std::wstring installDir_;
};
