#pragma once

#include "base/WorkerThread.h"

class ISetupNotify;

// The environment check: only one installer may run. A mutex created anew stays open for the
// rest of the process, so an installer started later finds it.
class SetupChecker : public WorkerThread {
 public:
  SetupChecker() = default;
  ~SetupChecker() override;

  void setNotify(ISetupNotify* notify) { notify_ = notify; }

 protected:
  void run() override;

 private:
  bool _isSetupExist();

  ISetupNotify* notify_ = nullptr;
  HANDLE mutex_ = nullptr;
};
