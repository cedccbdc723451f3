#include "setup/ZeloSetupSkin.h"
#include "ui/core/KxAssignLib.h"
#include "ui/core/KxPixmap.h"
#include "ui/core/KxResourceLib.h"
#include "ui/core/tests/GdiplusSession.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SetupSkinTest : public GdiplusTest {
 protected:
  static void SetUpTestSuite() {
    GdiplusTest::SetUpTestSuite();
    registerEmbedded(zeloSetupImages);
    registerEmbedded(zeloSetupLocaleFiles);
    KxAssignLib::instance()->assign(KxString(L"setup"), KxString(L"dll:///res"));
  }
};

}  // namespace

TEST_F(SetupSkinTest, TablesHoldTheFilesTheWindowsName) {
  EXPECT_EQ(zeloSetupImages.count, 25);
  EXPECT_EQ(zeloSetupLocaleFiles.count, 4);
}

TEST_F(SetupSkinTest, ImagesHaveTheSizesTheLayoutsUse) {
  const struct {
    const wchar_t* names;
    int width, height;
  } groups[] = {
      {L"licence_bk", 478, 211},
      {L"edit_bk", 410, 44},
      {L"button_click button_hover button_normal button_disable button_foucs", 74, 32},
      {L"checking", 44, 44},
      {L"hover_close normal_close press_close", 28, 20},
      {L"progressbar", 23, 24},
      {L"progressbar_bk", 31, 24},
      {L"broswer_bk broswer_press broswer_hover", 20, 18},
      {L"setup_bk", 480, 360},
      {L"Zelo", 32, 32},
      {L"Zelo5_logo", 148, 28},
      {L"app_logo", 72, 24},
      {L"main", 120, 40},
      {L"prompt_bk", 4, 180},
      {L"min_press min_normal min_hover", 24, 20},
      {L"switch_in_decompress_zh-CN switch_in_decompress_2_zh-CN "
       L"switch_in_decompress_3_zh-CN",
       480, 246},
  };
  int count = 0;
  for (const auto& g : groups) {
    const std::wstring names = g.names;
    for (size_t start = 0; start < names.size();) {
      size_t end = names.find(L' ', start);
      if (end == std::wstring::npos) end = names.size();
      const std::wstring url = L"setup:" + names.substr(start, end - start) + L".png";
      KxPixmap pixmap(KxString(url.c_str()));
      EXPECT_EQ(pixmap.width(), g.width) << url;
      EXPECT_EQ(pixmap.height(), g.height) << url;
      ++count;
      start = end + 1;
    }
  }
  EXPECT_EQ(count, 28);
}

TEST_F(SetupSkinTest, LicenceIsUtf8Text) {
  const KxByteArray bytes = KxResourceLib::instance()->load(KxUrl(L"setup:licence_zh-CN.txt"));
  ASSERT_GT(bytes.size(), 500);
  const KxString text = KxString::fromUtf8(bytes.constData(), bytes.size());
  EXPECT_EQ(text.indexOf(KxString(L"\xFFFD")), -1) << "decodes without replacement characters";
  EXPECT_EQ(text.indexOf(KxString(L"最终用户许可协议")), 9);
}
