#include "KxMessageLoop.h"

namespace {

constexpr UINT kSystemCaretTimer = 0x118;

// Messages that come in bursts do not re-arm idle processing.
bool rearmsIdle(UINT message) {
  return message != WM_PAINT && message != WM_NCMOUSEMOVE && message != kSystemCaretTimer &&
         message != WM_MOUSEMOVE;
}

}  // namespace

KxMessageLoop& KxMessageLoop::instance() {
  static KxMessageLoop loop;  // UI thread only
  return loop;
}

void KxMessageLoop::clear() {
  filters_.clear();
  idleHandlers_.clear();
}

bool KxMessageLoop::runIdleHandlers(int count) {
  bool more = false;
  for (const IdleHandler& handler : std::vector<IdleHandler>(idleHandlers_))
    more = handler(count) || more;
  return more;
}

bool KxMessageLoop::filtered(MSG& msg) {
  const std::vector<Filter> filters = filters_;  // a filter may add or remove filters
  for (auto it = filters.rbegin(); it != filters.rend(); ++it)
    if ((*it)(msg)) return true;
  return false;
}

int KxMessageLoop::run() {
  MSG msg;
  bool idle = true;
  int idleCount = 0;
  for (;;) {
    while (idle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) idle = runIdleHandlers(idleCount++);
    for (;;) {
      BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got == 0) return static_cast<int>(msg.wParam);
      if (got == -1) continue;
      if (!filtered(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      if (rearmsIdle(msg.message)) break;
    }
    idle = true;
    idleCount = 0;
  }
}
