#include "KxTextStyle.h"

namespace {

KxTextStyle& defaults() {
  static KxTextStyle* style = [] {
    auto* s = new KxTextStyle;
    s->family = KxString(L"SimSun");
    return s;
  }();
  return *style;
}

}  // namespace

const KxTextStyle& defaultTextStyle() { return defaults(); }

void setDefaultFontFamily(const KxString& family) { defaults().family = family; }

void setDefaultFontSize(double size) { defaults().size = size; }
