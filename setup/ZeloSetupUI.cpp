#include "setup/ZeloSetupUI.h"

#include "base/LogFile.h"
#include "setup/SetupMessages.h"

#include <atomic>

namespace {

std::atomic<ZeloSetupUI*> g_instance{nullptr};

}  // namespace

ZeloSetupUI* ZeloSetupUI::instance() {
  ZeloSetupUI* current = g_instance.load();
  if (current) return current;
  auto* created = new ZeloSetupUI();
  if (g_instance.compare_exchange_strong(current, created)) return created;
  delete created;  // another thread won the race
  return current;
}

void ZeloSetupUI::destroyInstance() { delete g_instance.exchange(nullptr); }

bool ZeloSetupUI::post(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  return window && PostMessageW(window, message, wParam, lParam);
}

// NOTE: the check window and the wizard window are not built yet; the two operations that
// would create them only log, and the messages reach whatever handles have been attached.
void ZeloSetupUI::showCheckUI() {}

void ZeloSetupUI::showSetupMainUI(const std::wstring& path) {
  writeLog(L"ZeloSetupUI::showSetupMainUI, setup path is %s", path.c_str());
}

void ZeloSetupUI::onShowRetryUI() {
  writeLog(L"ZeloSetupUI::onShowRetryUI, post message MSG_RETRY_DECOMPRESS to main window.");
  post(mainWindow_, MSG_RETRY_DECOMPRESS);
}

void ZeloSetupUI::onShowZeloRunning() {
  writeLog(L"ZeloSetupUI::onShowZeloRunning, post message MSG_ZELO_RUNNING to main window.");
  post(mainWindow_, MSG_ZELO_RUNNING);
}

void ZeloSetupUI::onShowSetupExist() {
  writeLog(L"ZeloSetupUI::onShowSetupExist, post message MSG_SETUP_EXIST to check window.");
  post(checkWindow_, MSG_SETUP_EXIST);
}

void ZeloSetupUI::onShowSetupInvalid() {
  writeLog(L"ZeloSetupUI::onShowSetupInvalid, post message MSG_SETUP_INVALID to check window.");
  post(checkWindow_, MSG_SETUP_INVALID);
}

void ZeloSetupUI::onShowProgress(unsigned index, unsigned count) {
  post(mainWindow_, MSG_DECOMPRESS_PROGRESS, index, count);
}

void ZeloSetupUI::onPrepareShowMainUI(const std::wstring& path) {
  writeLog(L"ZeloSetupUI::onPrepareShowMainUI, post message MSG_SHOW_MAIN_UI to main window.");
  auto* copy = new std::wstring(path);  // the check window deletes it
  if (!post(checkWindow_, MSG_SHOW_MAIN_UI, reinterpret_cast<WPARAM>(copy))) delete copy;
}

void ZeloSetupUI::onDecompressFinish() {
  writeLog(L"ZeloSetupUI::onDecompressFinish, post message MSG_DECOMPRESS_FINISH to main window.");
  post(mainWindow_, MSG_DECOMPRESS_FINISH);
}

void ZeloSetupUI::onQuitSetup() {
  writeLog(L"ZeloSetupUI::onQuitSetup, post message MSG_QUIT_SETUP to main window.");
  post(mainWindow_, MSG_QUIT_SETUP);
}
