#pragma once

// The GDI+ flat API, for the framework's painting and image code only (never from a public
// header). Start-up and shut-down belong to the application.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace kxgdi {
using namespace Gdiplus;
using namespace Gdiplus::DllExports;
}  // namespace kxgdi
