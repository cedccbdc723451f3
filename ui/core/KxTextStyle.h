#pragma once

#include "KxColor.h"

#include "base/KxString.h"

// How a text is drawn: font family, GDI+ font style bits (1 bold, 2 italic, 4 underline,
// 8 strikeout), size in pixels and colour. Text items start from the process-wide default.
struct KxTextStyle {
  KxString family;
  int style = 0;
  double size = 14.0;
  KxColor color;
};

// The process-wide default: "SimSun", 14 pixels, style 0, opaque black, until changed.
const KxTextStyle& defaultTextStyle();
void setDefaultFontFamily(const KxString& family);
void setDefaultFontSize(double size);
