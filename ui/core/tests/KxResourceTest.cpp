#include "GdiplusSession.h"
#include "TestGifs.h"

#include "testing/TestSupport.h"
#include "ui/core/KxEmbeddedFiles.h"
#include "ui/core/KxImage.h"
#include "ui/core/KxImageCache.h"
#include "ui/core/KxPixmap.h"
#include "ui/core/KxResourceLib.h"
#include "ui/core/KxResourceMappingDLL.h"
#include "ui/core/KxResourceMappingFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

KxByteArray bytesOf(const unsigned char* data, int size) {
  return KxByteArray(reinterpret_cast<const char*>(data), size);
}

std::wstring testName(const wchar_t* base) {
  return zelotest::uniqueName(base);
}

}  // namespace

using KxResourceTest = GdiplusTest;

TEST_F(KxResourceTest, SchemesBindOnceAndOnlyToMappings) {
  KxResourceLib* lib = KxResourceLib::instance();
  EXPECT_TRUE(kxCast<KxResourceMappingDLL>(lib->mapping(KxString(L"dll"))));
  EXPECT_TRUE(kxCast<KxResourceMappingFile>(lib->mapping(KxString(L"file"))));
  EXPECT_FALSE(lib->registerScheme(KxString(L"dll"), KxResourceMappingFile::staticClassInfo()));
  EXPECT_FALSE(lib->registerScheme(KxString(L"zip"), KxResourceLib::staticClassInfo()));
  EXPECT_EQ(lib->mapping(KxString(L"zip")), nullptr);
  EXPECT_TRUE(lib->load(KxUrl(L"zip://x/y")).isEmpty());
  const KxString scheme(testName(L"mem").c_str());
  EXPECT_TRUE(lib->registerScheme(scheme, KxResourceMappingDLL::staticClassInfo()));
  EXPECT_FALSE(lib->registerScheme(scheme, KxResourceMappingDLL::staticClassInfo()));
}

TEST_F(KxResourceTest, EmbeddedFilesAreFoundByTheirDllUrl) {
  const std::wstring a = L"test/" + testName(L"a") + L".bin";
  const std::wstring b = L"test/" + testName(L"b") + L".bin";
  const wchar_t* names[] = {a.c_str(), b.c_str()};
  const unsigned char bytesA[] = {1, 2, 3};
  const unsigned char* data[] = {bytesA, bytesA};
  const int sizes[] = {3, 0};
  registerEmbedded(2, names, data, sizes);
  KxResourceLib* lib = KxResourceLib::instance();
  EXPECT_EQ(lib->load(KxUrl(KxString((L"dll:///" + a).c_str()))), bytesOf(bytesA, 3));
  EXPECT_FALSE(lib->mapping(KxString(L"dll"))->contains(KxUrl(KxString((L"dll:///" + b).c_str()))))
      << "an entry of size 0 is left out";
}

TEST_F(KxResourceTest, FileUrlsReadTheFileOrNothing) {
  zelotest::TempFolder folder(L"res");
  const std::wstring path = folder / L"data.bin";
  ASSERT_TRUE(zelotest::writeTextFile(path, "hello"));
  KxResourceLib* lib = KxResourceLib::instance();
  EXPECT_EQ(lib->load(KxUrl(KxString(path.c_str()))), KxByteArray("hello"));
  EXPECT_EQ(lib->load(KxUrl(KxString((L"file:///" + path).c_str()))), KxByteArray("hello"));
  EXPECT_TRUE(lib->load(KxUrl(KxString((folder / L"missing.bin").c_str()))).isEmpty());
}

TEST_F(KxResourceTest, OneUrlSharesOneImage) {
  KxPixmap first(L"kxgui:close_normal.png");
  ASSERT_FALSE(first.isNull());
  KxPixmap second(KxString(L"dll:///theme/gui/close_normal.png"));
  EXPECT_EQ(first.image(), second.image());
  EXPECT_EQ(first.image()->refCount(), 2);
  EXPECT_EQ(KxImageCache::instance()->find(KxString(L"dll:///theme/gui/close_normal.png")),
            first.image());
}

TEST_F(KxResourceTest, TheLastPixmapTakesTheImageOutOfTheCache) {
  const std::wstring name = L"test/" + testName(L"gif") + L".gif";
  const wchar_t* names[] = {name.c_str()};
  const unsigned char* data[] = {kOneFrameGif};
  const int sizes[] = {sizeof(kOneFrameGif)};
  registerEmbedded(1, names, data, sizes);
  const KxString key((L"dll:///" + name).c_str());
  uint32_t serial = 0;
  {
    KxPixmap pixmap(key);
    ASSERT_FALSE(pixmap.isNull());
    serial = pixmap.image()->serial();
    EXPECT_EQ(KxImageCache::instance()->findSerial(serial), pixmap.image());
  }
  EXPECT_EQ(KxImageCache::instance()->find(key), nullptr);
  EXPECT_EQ(KxImageCache::instance()->findSerial(serial), nullptr);
  KxPixmap again(key);
  EXPECT_GT(again.image()->serial(), serial) << "a new image takes the next serial";
}

TEST_F(KxResourceTest, MissingOrUndecodableResourcesGiveNullPixmaps) {
  const std::wstring name = L"test/" + testName(L"junk") + L".png";
  const wchar_t* names[] = {name.c_str()};
  const unsigned char junk[] = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
  const unsigned char* data[] = {junk};
  const int sizes[] = {sizeof(junk)};
  registerEmbedded(1, names, data, sizes);
  const KxPixmap cases[] = {KxPixmap(L"kxgui:no_such_image.png"),
                            KxPixmap(KxString((L"dll:///" + name).c_str())),
                            KxPixmap(L"nowhere://x/y.png"), KxPixmap()};
  for (const KxPixmap& p : cases) {
    EXPECT_TRUE(p.isNull());
    EXPECT_EQ(p.width(), 0);
    EXPECT_EQ(p.height(), 0);
  }
  EXPECT_EQ(KxImage::fromBytes(KxByteArray()), nullptr);
}

TEST_F(KxResourceTest, ImagesLoadFromFilesOnlyWithASize) {
  zelotest::TempFolder folder(L"img");
  const std::wstring gif = folder / L"one.gif";
  const std::wstring junk = folder / L"junk.gif";
  ASSERT_TRUE(zelotest::writeFileBytes(gif, kOneFrameGif, sizeof(kOneFrameGif)));
  ASSERT_TRUE(zelotest::writeTextFile(junk, "GIF89a but no more"));
  KxPixmap fromFile(KxImage::fromFile(KxString(gif.c_str())));
  EXPECT_EQ(fromFile.width(), 2);
  EXPECT_EQ(KxImage::fromFile(KxString(junk.c_str())), nullptr);
  EXPECT_EQ(KxImage::fromFile(KxString((folder / L"missing.gif").c_str())), nullptr);
}

TEST_F(KxResourceTest, TwoFrameGifStepsItsFrames) {
  KxPixmap pixmap(KxImage::fromBytes(bytesOf(kTwoFrameGif, sizeof(kTwoFrameGif))));
  ASSERT_FALSE(pixmap.isNull());
  KxImage* image = pixmap.image();
  EXPECT_EQ(image->frameCount(), 2);
  EXPECT_EQ(image->activeFrame(), 0);
  EXPECT_EQ(image->frameDelay(), 100);
  const struct {
    int select;
    int active;
    int delay;
    uint32_t color;
  } steps[] = {{1, 1, 200, 0xFF0000FF}, {2, 0, 100, 0xFFFF0000}, {-1, 1, 200, 0xFF0000FF},
               {5, 1, 200, 0xFF0000FF}, {0, 0, 100, 0xFFFF0000}};
  for (const auto& s : steps) {
    image->setActiveFrame(s.select);
    EXPECT_EQ(image->activeFrame(), s.active) << s.select;
    EXPECT_EQ(image->frameDelay(), s.delay) << s.select;
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(image->bitmap(), 1, 1, &argb);
    EXPECT_EQ(argb, s.color) << s.select;
  }
}

TEST_F(KxResourceTest, OneFrameGifHasNoDelay) {
  KxPixmap pixmap(KxImage::fromBytes(bytesOf(kOneFrameGif, sizeof(kOneFrameGif))));
  ASSERT_FALSE(pixmap.isNull());
  EXPECT_EQ(pixmap.image()->frameCount(), 1);
  EXPECT_EQ(pixmap.image()->frameDelay(), 0);
  pixmap.image()->setActiveFrame(3);
  EXPECT_EQ(pixmap.image()->activeFrame(), 0);
}

TEST_F(KxResourceTest, EmptyingTheCacheLeavesHeldPixmapsNull) {
  KxPixmap held(L"kxgui:shadow.png");
  ASSERT_FALSE(held.isNull());
  KxImageCache::emptyImageCache();
  EXPECT_TRUE(held.isNull());
  EXPECT_EQ(KxImageCache::instance()->size(), 0);
  KxPixmap fresh(L"kxgui:shadow.png");
  EXPECT_FALSE(fresh.isNull()) << "the next load decodes again";
}

TEST_F(KxResourceTest, SkinImagesHaveTheSizesTheLayoutsUse) {
  const struct {
    const wchar_t* names;
    int width, height;
  } groups[] = {
      {L"btn_4word_hover btn_4word_normal btn_4word_pushed", 60, 20},
      {L"button_disable button_focus button_hover button_normal button_pressdown", 15, 22},
      {L"checkbox_default_disable checkbox_default_hover checkbox_default_normal "
       L"checkbox_default_pressdown checkbox_selected_disable checkbox_selected_hover "
       L"checkbox_selected_normal checkbox_selected_pressdown checkbox_normal checkbox_selected",
       14, 14},
      {L"close_down close_hover close_normal", 44, 22},
      {L"max_down max_hover max_normal min_down min_hover min_normal restore_down "
       L"restore_hover restore_normal",
       28, 22},
      {L"edit_disable edit_focus edit_hover edit_normal edit_pressdown", 22, 22},
      {L"head", 40, 40},
      {L"icon_background_hover icon_background_pressdown", 20, 20},
      {L"icon_notice icon", 16, 16},
      {L"mask_dialog", 225, 225},
      {L"mask_mainframe", 210, 510},
      {L"mask_popup", 150, 150},
      {L"shadow", 60, 60},
      {L"slider_hover slider_pressdown slider_normal", 12, 21},
      {L"scroll_bk", 12, 12},
  };
  int count = 0;
  for (const auto& g : groups) {
    std::wstring names = g.names;
    size_t start = 0;
    while (start < names.size()) {
      size_t end = names.find(L' ', start);
      if (end == std::wstring::npos) end = names.size();
      const std::wstring url = L"kxgui:" + names.substr(start, end - start) + L".png";
      KxPixmap pixmap(KxString(url.c_str()));
      EXPECT_EQ(pixmap.width(), g.width) << url;
      EXPECT_EQ(pixmap.height(), g.height) << url;
      ++count;
      start = end + 1;
    }
  }
  EXPECT_EQ(count, 48);
}
