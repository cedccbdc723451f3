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

  // Before an extraction into installDir: clears the caches and the version folders of an
  // earlier installation there.
  void cleanUpFile(const std::wstring& installDir);
  // The install actions after a successful extraction: registry, shortcuts, companion programs,
  // runtime assembly, Winsock category. Each failure is logged and the next action still runs.
  void doAfterDecompress();

  // The finish options.
  void runApp();
  void setAutoRun(bool on);
  void viewReleaseNote();
  void collectTarsel();
  void openWebSite();

  // The steps of doAfterDecompress, in their order.
  void _writeRegedit();
  void _createShortcuts();
  void _updatePinnedShortcuts();
  void _do3XUpdate();
  int _installCrt();
  void runSetupmetrics();
  void runZeloRun();
  bool CustomLsp();

 private:
  std::unique_ptr<SetupChecker> checker_;
  std::unique_ptr<ZeloSetupDecompressor> decompressor_;
  std::wstring executable() const;

  std::wstring installDir_;
};
