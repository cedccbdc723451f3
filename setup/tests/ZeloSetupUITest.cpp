#include "setup/ZeloSetupUI.h"

#include "setup/SetupMessages.h"
#include "testing/TestSupport.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct Received {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

std::vector<Received> g_received;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= MSG_SETUP_INVALID && message <= MSG_QUIT_SETUP)
    g_received.push_back({window, message, wParam, lParam});
  return DefWindowProcW(window, message, wParam, lParam);
}

// Two real windows standing in for the check window and the wizard window.
class ZeloSetupUITest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_received.clear();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = recordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZeloSetupUITestWindow";
    RegisterClassW(&wc);
    check_ = CreateWindowExW(0, wc.lpszClassName, L"check", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             wc.hInstance, nullptr);
    main_ = CreateWindowExW(0, wc.lpszClassName, L"main", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            wc.hInstance, nullptr);
    ui_ = ZeloSetupUI::instance();
    ui_->setCheckWindowHandle(check_);
    ui_->setMainWindowHandle(main_);
  }
  void TearDown() override {
    ZeloSetupUI::destroyInstance();
    DestroyWindow(check_);
    DestroyWindow(main_);
  }
  void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

  HWND check_ = nullptr;
  HWND main_ = nullptr;
  ZeloSetupUI* ui_ = nullptr;
};

}  // namespace

TEST_F(ZeloSetupUITest, InstanceIsOnePerProcess) {
  EXPECT_EQ(ZeloSetupUI::instance(), ui_);
}

TEST_F(ZeloSetupUITest, EachNotificationPostsItsMessageToItsWindowAndLogsIt) {
  zelotest::LogTail tail;
  ui_->onShowSetupInvalid();
  ui_->onShowSetupExist();
  ui_->onShowZeloRunning();
  ui_->onShowRetryUI();
  ui_->onShowProgress(65, 66);
  ui_->onDecompressFinish();
  ui_->onQuitSetup();
  pump();
  ASSERT_EQ(g_received.size(), 7u);
  const struct {
    HWND window;
    UINT message;
  } expected[] = {{check_, 1125}, {check_, 1126}, {main_, 1129}, {main_, 1130},
                  {main_, 1131},  {main_, 1132},  {main_, 1133}};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(g_received[i].window, expected[i].window) << i;
    EXPECT_EQ(g_received[i].message, expected[i].message) << i;
  }
  EXPECT_EQ(g_received[4].wParam, 65u);  // the last index is count - 1
  EXPECT_EQ(g_received[4].lParam, 66);
  const std::vector<std::wstring> lines = {
      L"ZeloSetupUI::onShowSetupInvalid, post message MSG_SETUP_INVALID to check window.",
      L"ZeloSetupUI::onShowSetupExist, post message MSG_SETUP_EXIST to check window.",
      L"ZeloSetupUI::onShowZeloRunning, post message MSG_ZELO_RUNNING to main window.",
      L"ZeloSetupUI::onShowRetryUI, post message MSG_RETRY_DECOMPRESS to main window.",
      L"ZeloSetupUI::onDecompressFinish, post message MSG_DECOMPRESS_FINISH to main window.",
      L"ZeloSetupUI::onQuitSetup, post message MSG_QUIT_SETUP to main window.",
  };
  EXPECT_EQ(tail.messages(), lines);
}

TEST_F(ZeloSetupUITest, ShowMainUICarriesACopyOfThePathFromAnyThread) {
  std::thread worker([this] { ui_->onPrepareShowMainUI(L"C:\\Program Files\\tarsel\\OrviZelo"); });
  worker.join();
  pump();
  ASSERT_EQ(g_received.size(), 1u);
  EXPECT_EQ(g_received[0].window, check_);
  EXPECT_EQ(g_received[0].message, static_cast<UINT>(MSG_SHOW_MAIN_UI));
  auto* path = reinterpret_cast<std::wstring*>(g_received[0].wParam);
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(*path, L"C:\\Program Files\\tarsel\\OrviZelo");
  delete path;  // the receiver owns it
}

TEST_F(ZeloSetupUITest, ShowSetupMainUILogsThePath) {
  zelotest::LogTail tail;
  ui_->showSetupMainUI(L"D:\\A");
  EXPECT_TRUE(tail.contains(L"ZeloSetupUI::showSetupMainUI, setup path is D:\\A"));
}
