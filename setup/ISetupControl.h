#pragma once

#include <string>

// What the installer's windows ask of the controller, on the UI thread.
class ISetupControl {
 public:
  virtual ~ISetupControl() = default;
  virtual void recheck() = 0;
  virtual void stopCheck() = 0;
  // The folder the user confirmed; used normalised by the extraction and the install actions.
  virtual void setSetupPath(const std::wstring& path) = 0;
  // The user agreed to close the running product.
  virtual void forceQuit() = 0;
  virtual void startDecompress(bool async) = 0;
  virtual void stopDecompress() = 0;
  // Finish options.
  virtual void runApp() = 0;
  virtual void setAutoRun(bool enable) = 0;
  virtual void viewReleaseNote() = 0;
  virtual void collectTarsel() = 0;
  virtual void openWebSite() = 0;
};
