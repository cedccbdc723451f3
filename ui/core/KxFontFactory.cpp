#include "KxFontFactory.h"

#include "KxGdiplus.h"

using namespace kxgdi;

namespace {

constexpr INT kMeasureTrailingSpaces = 0x800;

GpFont* fontOf(GpFontFamily* family, const KxTextStyle& style) {
  GpFont* font = nullptr;
  if (GdipCreateFont(family, static_cast<REAL>(style.size), style.style, UnitPixel, &font) != Ok)
    return nullptr;
  return font;
}

GpFont* sansSerifFont(const KxTextStyle& style) {
  GpFontFamily* family = nullptr;
  if (GdipGetGenericFontFamilySansSerif(&family) != Ok || !family) return nullptr;
  GpFont* font = fontOf(family, style);
  GdipDeleteFontFamily(family);
  return font;
}

}  // namespace

GpFont* kxCreateFont(const KxTextStyle& style) {
  GpFontFamily* family = nullptr;
  if (GdipCreateFontFamilyFromName(style.family.constData(), nullptr, &family) != Ok || !family)
    return sansSerifFont(style);
  GpFont* font = fontOf(family, style);
  GdipDeleteFontFamily(family);
  return font ? font : sansSerifFont(style);
}

GpStringFormat* kxCreateStringFormat() {
  GpStringFormat* generic = nullptr;
  if (GdipStringFormatGetGenericDefault(&generic) != Ok || !generic) return nullptr;
  GpStringFormat* format = nullptr;
  if (GdipCloneStringFormat(generic, &format) != Ok || !format) return nullptr;
  INT flags = 0;
  GdipGetStringFormatFlags(format, &flags);
  GdipSetStringFormatFlags(format, flags | kMeasureTrailingSpaces);
  return format;
}

bool kxFontFamilyExists(const KxString& name) {
  GpFontFamily* family = nullptr;
  if (GdipCreateFontFamilyFromName(name.constData(), nullptr, &family) != Ok || !family)
    return false;
  GdipDeleteFontFamily(family);
  return true;
}
