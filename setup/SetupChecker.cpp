#include "setup/SetupChecker.h"

#include "base/LogFile.h"
#include "setup/ISetupNotify.h"
#include "setup/ProductNames.h"

SetupChecker::~SetupChecker() {
  stop();
  if (mutex_) CloseHandle(mutex_);
}

bool SetupChecker::_isSetupExist() {
  if (mutex_) return false;  // this process already holds it (a recheck)
  HANDLE mutex = CreateMutexW(nullptr, FALSE, product::kSetupMutex);
  if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return true;
  }
  mutex_ = mutex;  // a failed creation counts as success
  return false;
}

void SetupChecker::run() {
  if (_isSetupExist()) {
    writeLog(L"Check step, _isSetupExist return false [CR_SetupExist].");
    if (notify_) notify_->onCheckResult(CR_SetupExist);
    return;
  }
  if (notify_) {
    writeLog(L"Check step finish, return [CR_Success].");
    notify_->onCheckResult(CR_Success);
  }
}
