#pragma once

#include "KxPixmap.h"
#include "KxRttiObject.h"

#include <windows.h>

// A mouse cursor: a shape number with the shared system cursor it stands for, or, for the
// pixmap shapes, a cursor built from a pixmap. Reference-counted; the cursor applied last is
// held until another one replaces it. UI thread only.
class KxCursor : public KxRttiObject {
  KX_CLASS(KxCursor)

 public:
  enum Shape {
    Arrow = 0,
    UpArrow = 1,
    Cross = 2,
    Wait = 3,
    IBeam = 4,
    SizeVer = 5,
    SizeHor = 6,
    SizeBDiag = 7,
    SizeFDiag = 8,
    SizeAll = 9,
    PointingHand = 13,
    Forbidden = 14,
    WhatsThis = 15,
    Busy = 16,
    Bitmap = 24,
    Custom = 25,
  };

  explicit KxCursor(int shape = Arrow);
  // A cursor of shape Bitmap or Custom drawn from pixmap, hot spot at (hotX, hotY).
  KxCursor(const KxPixmap& pixmap, int hotX, int hotY, int shape = Bitmap);
  ~KxCursor() override;

  void retain() { ++ref_; }
  void release();

  int shape() const { return shape_; }
  HCURSOR handle() const { return handle_; }
  const KxPixmap& pixmap() const { return pixmap_; }

  // Makes cursor the one the window shows: nothing when it is current and Windows shows its
  // handle already; otherwise the current record is released, cursor retained, and SetCursor
  // called when the handle differs from GetCursor's.
  static void apply(KxCursor* cursor);
  // The cursor applied last, or null.
  static KxCursor* current();
  // Releases the current cursor record.
  static void resetCurrent();

  // The system cursor a shape loads (shared, default size); the arrow for unknown shapes and
  // null for the pixmap shapes.
  static HCURSOR systemCursor(int shape);

 private:
  int ref_ = 1;
  int shape_;
  HCURSOR handle_ = nullptr;
  bool ownsHandle_ = false;
  KxPixmap pixmap_;
};
