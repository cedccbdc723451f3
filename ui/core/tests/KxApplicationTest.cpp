#include "ui/core/KxApplication.h"

#include "ui/core/KxDeferredDelete.h"
#include "ui/core/KxMessageLoop.h"
#include "ui/core/tests/UiLoopFixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A plain window that registers with the application the way the framework's windows do.
LRESULT CALLBACK registeringProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) KxApplication::instance()->registerWindow(window);
  if (message == WM_DESTROY) KxApplication::instance()->unregisterWindow(window);
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND createWindow(WNDPROC proc, const wchar_t* className) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  return CreateWindowExW(0, className, L"test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

class Victim : public KxRttiObject {
 public:
  explicit Victim(std::vector<int>* log, int id) : log_(log), id_(id) {}
  ~Victim() override { log_->push_back(id_); }

 private:
  std::vector<int>* log_;
  int id_;
};

}  // namespace

TEST(KxApplication, OneInstanceWhileItLives) {
  EXPECT_EQ(KxApplication::instance(), nullptr);
  {
    KxApplication app;
    EXPECT_EQ(KxApplication::instance(), &app);
    EXPECT_TRUE(app.programDir() == L"T:\\bin\\");
  }
  EXPECT_EQ(KxApplication::instance(), nullptr);
}

TEST(KxApplication, ExecWithoutWindowReturnsAtOnce) {
  KxApplication app;
  EXPECT_EQ(app.exec(), 0);
}

// The silent installer posts its outcome before the loop would start.
TEST(KxApplication, ExecWithoutWindowReturnsThePostedQuitCode) {
  KxApplication app;
  PostQuitMessage(-4);
  EXPECT_EQ(app.exec(), -4);
  EXPECT_EQ(app.exec(), 0);  // taken once
}

TEST(KxApplication, ClosingTheLastWindowEndsTheLoopWithZero) {
  KxApplication app;
  HWND first = createWindow(registeringProc, L"KxAppTestWindow");
  HWND second = createWindow(registeringProc, L"KxAppTestWindow");
  ASSERT_EQ(app.windowCount(), 2u);
  PostMessageW(first, WM_CLOSE, 0, 0);
  PostMessageW(second, WM_CLOSE, 0, 0);
  EXPECT_EQ(app.exec(), 0);
  EXPECT_EQ(app.windowCount(), 0u);
  EXPECT_FALSE(IsWindow(first));
}

// A window whose messages no longer reach its code must not keep the teardown waiting.
TEST(KxApplication, TeardownDestroysWindowsThatNeverUnregister) {
  HWND silent = nullptr;
  {
    KxApplication app;
    silent = createWindow(DefWindowProcW, L"KxAppSilentWindow");
    app.registerWindow(silent);
    HWND normal = createWindow(registeringProc, L"KxAppTestWindow");
    ASSERT_NE(normal, nullptr);
  }
  EXPECT_FALSE(IsWindow(silent));
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(KxApplication, DeleteLaterDeletesOnALaterTurnAndSkipsTheDead) {
  KxApplication app;
  std::vector<int> deleted;
  auto* a = new Victim(&deleted, 1);
  auto* b = new Victim(&deleted, 2);
  deleteLater(a);
  deleteLater(b);
  deleteLater(b);  // twice: deleted once
  delete b;        // by other means first
  EXPECT_EQ(deleted, std::vector<int>{2});
  ASSERT_TRUE(pumpUntil([&] { return deleted.size() == 2; }));
  EXPECT_EQ(deleted, (std::vector<int>{2, 1}));
  pumpUntil([] { return false; }, 60);
  EXPECT_EQ(deleted.size(), 2u);
  EXPECT_FALSE(KxDeferredDelete::instance().isTimerActive());
}

TEST(KxApplication, TeardownRunsPendingDeletions) {
  std::vector<int> deleted;
  {
    KxApplication app;
    deleteLater(new Victim(&deleted, 7));
  }
  EXPECT_EQ(deleted, std::vector<int>{7});
}

TEST(KxMessageLoop, FiltersLastRegisteredFirstAndIdleOncePerBurst) {
  KxApplication app;
  HWND window = createWindow(registeringProc, L"KxAppTestWindow");
  std::vector<std::wstring> seen;
  int idle = 0;
  KxMessageLoop::instance().addFilter([&](MSG& msg) {
    if (msg.message == WM_APP + 1) seen.push_back(L"first");
    return false;
  });
  KxMessageLoop::instance().addFilter([&](MSG& msg) {
    if (msg.message != WM_APP + 1) return false;
    seen.push_back(L"second");
    return true;  // consumed: the first filter never sees it
  });
  KxMessageLoop::instance().addIdleHandler([&](int) {
    if (++idle == 1) {
      PostMessageW(window, WM_APP + 1, 0, 0);
      PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return false;
  });
  EXPECT_EQ(app.exec(), 0);
  EXPECT_EQ(seen, std::vector<std::wstring>{L"second"});
  EXPECT_GE(idle, 1);
  KxMessageLoop::instance().clear();
}
