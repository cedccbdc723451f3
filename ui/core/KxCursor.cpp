#include "KxCursor.h"

#include "KxGdiplus.h"
#include "KxImage.h"

KX_IMPLEMENT_CLASS(KxCursor, KxRttiObject)

namespace {

KxCursor* g_current = nullptr;

HCURSOR iconFromPixmap(const KxPixmap& pixmap, int hotX, int hotY) {
  if (pixmap.isNull()) return nullptr;
  HICON icon = nullptr;
  if (kxgdi::GdipCreateHICONFromBitmap(pixmap.image()->bitmap(), &icon) != kxgdi::Ok || !icon)
    return nullptr;
  ICONINFO info = {};
  HCURSOR cursor = nullptr;
  if (GetIconInfo(icon, &info)) {
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(hotX);
    info.yHotspot = static_cast<DWORD>(hotY);
    cursor = CreateIconIndirect(&info);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
  }
  DestroyIcon(icon);
  return cursor;
}

}  // namespace

HCURSOR KxCursor::systemCursor(int shape) {
  const wchar_t* id = IDC_ARROW;
  switch (shape) {
    case UpArrow: id = IDC_UPARROW; break;
    case Cross: id = IDC_CROSS; break;
    case Wait: id = IDC_WAIT; break;
    case IBeam: id = IDC_IBEAM; break;
    case SizeVer: id = IDC_SIZENS; break;
    case SizeHor: id = IDC_SIZEWE; break;
    case SizeBDiag: id = IDC_SIZENESW; break;
    case SizeFDiag: id = IDC_SIZENWSE; break;
    case SizeAll: id = IDC_SIZEALL; break;
    case PointingHand: id = IDC_HAND; break;
    case Forbidden: id = IDC_NO; break;
    case WhatsThis: id = IDC_HELP; break;
    case Busy: id = IDC_APPSTARTING; break;
    case Bitmap:
    case Custom: return nullptr;
    default: break;
  }
  return static_cast<HCURSOR>(LoadImageW(nullptr, id, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

KxCursor::KxCursor(int shape) : shape_(shape), handle_(systemCursor(shape)) {}

KxCursor::KxCursor(const KxPixmap& pixmap, int hotX, int hotY, int shape)
    : shape_(shape), pixmap_(pixmap) {
  handle_ = iconFromPixmap(pixmap, hotX, hotY);
  ownsHandle_ = handle_ != nullptr;
}

KxCursor::~KxCursor() {
  if (g_current == this) g_current = nullptr;
  if (ownsHandle_) DestroyCursor(handle_);
}

void KxCursor::release() {
  if (--ref_ == 0) delete this;
}

void KxCursor::apply(KxCursor* cursor) {
  if (cursor && cursor == g_current && cursor->handle_ == GetCursor()) return;
  if (cursor != g_current) {
    if (cursor) cursor->retain();
    if (g_current) g_current->release();
    g_current = cursor;
  }
  HCURSOR handle = cursor ? cursor->handle_ : nullptr;
  if (handle != GetCursor()) SetCursor(handle);
}

KxCursor* KxCursor::current() { return g_current; }

void KxCursor::resetCurrent() {
  KxCursor* old = g_current;
  g_current = nullptr;
  if (old) old->release();
}
