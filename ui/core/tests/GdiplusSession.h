#pragma once

#include "ui/core/KxImageCache.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

// GDI+ for one test suite, started and shut down the way the application does it: the image
// cache is emptied before GDI+ goes.
class GdiplusTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  static void TearDownTestSuite() {
    KxImageCache::emptyImageCache();
    Gdiplus::GdiplusShutdown(token_);
  }

 private:
  static inline ULONG_PTR token_ = 0;
};
