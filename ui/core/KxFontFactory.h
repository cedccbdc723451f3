#pragma once

#include "KxTextStyle.h"

namespace Gdiplus {
class GpFont;
class GpStringFormat;
}  // namespace Gdiplus

// The GDI+ objects of text drawing and measurement, made the same way for both, so that what
// is measured is what gets drawn.

// A font of the style's family, size (pixels) and style bits. A family that cannot be created,
// or that cannot give a font, is replaced by the generic sans-serif family. Null when even
// that fails. The caller deletes it (GdipDeleteFont).
Gdiplus::GpFont* kxCreateFont(const KxTextStyle& style);

// GDI+'s generic default format with trailing spaces measured. The caller deletes it
// (GdipDeleteStringFormat).
Gdiplus::GpStringFormat* kxCreateStringFormat();

// True when GDI+ can create a font family of that name.
bool kxFontFamilyExists(const KxString& family);
