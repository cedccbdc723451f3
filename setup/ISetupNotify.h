#pragma once

#include "setup/CheckResult.h"

#include <string>

// Reports of the installer's workers to the controller; called on the worker's thread in the
// interactive model and in-line in the silent one.
class ISetupNotify {
 public:
  virtual ~ISetupNotify() = default;
  virtual void onCheckResult(CheckResult result) = 0;
  // The product runs from the target folder.
  virtual void onZeloRunning() = 0;
  // After each archive item; index is 0-based.
  virtual void onProgress(unsigned index, unsigned count) = 0;
  // Reserved: the extractor never calls it.
  virtual void onDecompressFail(const std::wstring& fileName) = 0;
  // At the end of an extraction that was not stopped.
  virtual void onDecompressFinish(bool success) = 0;
};
