#include "KxApplication.h"

#include "KxAssignLib.h"
#include "KxDeferredDelete.h"
#include "KxImageCache.h"
#include "KxMessageLoop.h"
#include "KxWeakRefTable.h"

#include <gdiplus.h>

#include <atomic>
#include <vector>

KX_IMPLEMENT_ABSTRACT_CLASS(KxApplication, KxRttiObject)

namespace {

std::atomic<KxApplication*> g_instance{nullptr};

KxString moduleFolder() {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  KxString full(path, static_cast<int>(length));
  return full.left(full.lastIndexOf(L'\\') + 1);
}

}  // namespace

KxApplication::KxApplication() {
  KxApplication* none = nullptr;
  g_instance.compare_exchange_strong(none, this);
  programDir_ = moduleFolder();
  KxAssignLib::fillDefaultAliases();
  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr);  // a failure only makes drawing fail quietly
  KxWeakRefTable::instance();
  KxDeferredDelete::instance();
}

// NOTE: windows are destroyed from a snapshot and each entry dropped whatever its window does,
// so a window whose messages no longer arrive cannot keep the teardown waiting.
KxApplication::~KxApplication() {
  const std::vector<HWND> remaining(windows_.begin(), windows_.end());
  for (HWND window : remaining) {
    if (IsWindow(window)) DestroyWindow(window);
    windows_.erase(window);
  }
  windows_.clear();
  KxDeferredDelete::instance().flush();
  KxMessageLoop::instance().clear();
  KxImageCache::emptyImageCache();  // no image may outlive GDI+
  if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
  KxAssignLib::releaseAliases();
  KxApplication* self = this;
  g_instance.compare_exchange_strong(self, nullptr);
}

KxApplication* KxApplication::instance() { return g_instance.load(); }

int KxApplication::exec() {
  if (windows_.empty()) {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(msg.wParam);
    return 0;
  }
  return KxMessageLoop::instance().run();
}

void KxApplication::quit() { PostQuitMessage(0); }

void KxApplication::registerWindow(HWND window) { windows_.insert(window); }

void KxApplication::unregisterWindow(HWND window) {
  if (windows_.erase(window) && windows_.empty()) PostQuitMessage(0);
}
