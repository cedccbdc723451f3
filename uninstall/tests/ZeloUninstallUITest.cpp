#include "uninstall/ZeloUninstallUI.h"

#include "uninstall/UninstallMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Posted {
  HWND window;
  UINT message;
  LPARAM lParam;
};
std::vector<Posted> g_posted;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= MSG_UNINST_RUNNING && message <= MSG_UNINST_FINISH)
    g_posted.push_back({window, message, lParam});
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND messageWindow() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = recordingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ZeloUninstallUITestWindow";
  RegisterClassW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         wc.hInstance, nullptr);
}

}  // namespace

TEST(ZeloUninstallUI, PostsEachMessageToItsWindow) {
  HWND prompt = messageWindow();
  HWND main = messageWindow();
  ZeloUninstallUI ui;
  ui.setPromptWindowHandle(prompt);
  ui.setMainWindowHandle(main);
  g_posted.clear();
  ui.productRunning();
  ui.closePrompt();
  ui.progress(50, 200);
  ui.finished();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  ASSERT_EQ(g_posted.size(), 4u);
  EXPECT_EQ(g_posted[0].window, prompt);
  EXPECT_EQ(g_posted[0].message, static_cast<UINT>(MSG_UNINST_RUNNING));
  EXPECT_EQ(g_posted[1].window, prompt);
  EXPECT_EQ(g_posted[1].message, static_cast<UINT>(MSG_UNINST_CLOSE_PROMPT));
  EXPECT_EQ(g_posted[2].window, main);
  EXPECT_EQ(g_posted[2].message, static_cast<UINT>(MSG_UNINST_PROGRESS));
  auto* share = reinterpret_cast<double*>(g_posted[2].lParam);
  ASSERT_NE(share, nullptr);
  EXPECT_DOUBLE_EQ(*share, 0.25);
  delete share;  // the receiver owns it
  EXPECT_EQ(g_posted[3].message, static_cast<UINT>(MSG_UNINST_FINISH));
  DestroyWindow(prompt);
  DestroyWindow(main);
}
