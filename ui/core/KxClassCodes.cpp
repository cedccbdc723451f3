#include "KxClassCodes.h"

#include <cwchar>

namespace {

#define KX_WIDE2(text) L##text
#define KX_WIDE(text) KX_WIDE2(text)

const wchar_t* baseName(const wchar_t* name) { return wcscmp(name, L"none") == 0 ? nullptr : name; }

}  // namespace

#define KX_CLASS_TABLE_ROW(cls, code, base) {KX_WIDE(#cls), kxCode(code), baseName(KX_WIDE(#base))},
const KxClassTableRow kxClassTable[] = {KX_CLASS_TABLE(KX_CLASS_TABLE_ROW)};
#undef KX_CLASS_TABLE_ROW

const int kxClassTableSize = sizeof kxClassTable / sizeof kxClassTable[0];
