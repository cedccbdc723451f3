#include "setup/ZeloSetupDecompressor.h"

#include "base/DataFolders.h"
#include "setup/ZeloSetupControl.h"
#include "setup/ZeloSetupCore.h"
#include "setup/extract/tests/ExtractFixtures.h"
#include "setup/tests/InstallTraces.h"
#include "setup/tests/SetupFakes.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using zelotest::HelperProcess;
using zelotest::pathExists;
using zelotest::TempFolder;

using zelotest::takeQuitCode;

namespace {

// The real extraction worker under the controller; this test program carries the archive.
class DecompressorTest : public ::testing::Test {
 protected:
  void SetUp() override { takeQuitCode(); }
  void TearDown() override {
    removeInstallTraces();
    std::wstring data = setupDataDirUnder(installerDataRoot(), D());
    zelotest::removeTree(data.substr(0, data.size() - 1));
  }
  std::wstring D() const { return dir_.path() + L"\\Zelo\\"; }

  ZeloSetupControl& make() {
    control_ = std::make_unique<ZeloSetupControl>(&ui_);
    decompressor_ = &control_->core().decompressor();
    // Recorded instead of the real clean-up, which the install-action tests cover.
    decompressor_->setCleanUp([this](const std::wstring& dir) {
      cleanUps_.push_back(dir);
      cleanedBeforeFirstItem_ = !pathExists(dir + L"toplevel.txt");
    });
    return *control_;
  }
  void startProduct(HelperProcess& product, bool quitting) {
    ASSERT_TRUE(startProductStandIn(product, D(), L"OrviZelo.exe", quitting));
  }

  TempFolder dir_{L"decompress"};
  RecordingSetupUI ui_;
  ZeloSetupDecompressor* decompressor_ = nullptr;
  std::unique_ptr<ZeloSetupControl> control_;
  std::vector<std::wstring> cleanUps_;
  bool cleanedBeforeFirstItem_ = false;
};

}  // namespace

TEST_F(DecompressorTest, SilentChainInstallsTheCarriedArchive) {
  zelotest::LogTail tail;
  make().startSetup(L"ZeloSetup.exe -silence \"" + dir_.path() + L"\\Zelo\"");
  EXPECT_EQ(takeQuitCode(), 0);
  EXPECT_EQ(fileText(D() + L"1.1.6.0\\layout\\fonts.xml"), "fonts\n");
  EXPECT_EQ(cleanUps_, std::vector<std::wstring>{D()});
  EXPECT_TRUE(cleanedBeforeFirstItem_);
  EXPECT_TRUE(tail.contains(L"ZeloSetupDecompressor::_syncDecompress begin [silence model]."));
  EXPECT_TRUE(tail.contains(L"ZeloSetupControl::onDecompressFinish, success."));
}

TEST_F(DecompressorTest, SilentChainWithTheProductRunningQuitsWithMinusFour) {
  HelperProcess product;
  startProduct(product, true);
  zelotest::LogTail tail;
  make().startSetup(L"ZeloSetup.exe -silence " + D());
  EXPECT_EQ(takeQuitCode(), -4);
  EXPECT_TRUE(tail.contains(L"ZeloSetupDecompressor::_syncDecompress, _isZeloRunning return true."));
  EXPECT_TRUE(cleanUps_.empty());
  EXPECT_FALSE(pathExists(D() + L"toplevel.txt"));
}

// A program that lost its archive must leave the earlier installation as it was.
TEST_F(DecompressorTest, MissingArchiveFailsBeforeAnythingIsCleanedUp) {
  HMODULE other = LoadLibraryExW(zelotest::helperProgram().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(other, nullptr);
  zelotest::LogTail tail;
  ZeloSetupControl& control = make();
  decompressor_->setArchiveModule(other);
  control.startSetup(L"ZeloSetup.exe -silence " + D());
  EXPECT_EQ(takeQuitCode(), -5);
  EXPECT_TRUE(cleanUps_.empty());
  EXPECT_TRUE(tail.contains(
      L"ZeloSetupDecompressor::_load7zDataFromResource, Find resource(bin.7z) fail."));
  EXPECT_TRUE(tail.contains(L"ZeloSetupDecompressor::_decompress, _load7zDataFromResource fail."));
  FreeLibrary(other);
}

TEST_F(DecompressorTest, InteractiveWaitsForTheUserThenClosesTheProduct) {
  HelperProcess product;
  startProduct(product, false);  // ignores the request: terminated
  ZeloSetupControl& control = make();
  control.setSetupPath(D());
  control.startDecompress(true);
  ASSERT_TRUE(ui_.waitCalls(1));
  EXPECT_EQ(ui_.calls()[0], L"onShowZeloRunning");
  Sleep(100);
  EXPECT_EQ(ui_.calls().size(), 1u);  // still waiting for the user
  control.forceQuit();
  ASSERT_TRUE(ui_.waitCalls(1 + 13 + 1, 20000));
  EXPECT_EQ(ui_.calls()[1], L"onShowProgress 0/13");
  EXPECT_EQ(ui_.calls()[13], L"onShowProgress 12/13");  // the last index is count - 1
  EXPECT_EQ(ui_.calls().back(), L"onDecompressFinish");
  EXPECT_EQ(fileText(D() + L"OrviZelo.exe"), "new product\n");
  EXPECT_NE(product.waitExit(0), -1000);
}

TEST_F(DecompressorTest, CancelWhileWaitingForTheUserEndsSilently) {
  HelperProcess product;
  startProduct(product, true);
  ZeloSetupControl& control = make();
  control.setSetupPath(D());
  control.startDecompress(true);
  ASSERT_TRUE(ui_.waitCalls(1));
  control.stopDecompress();
  EXPECT_EQ(ui_.calls(), std::vector<std::wstring>{L"onShowZeloRunning"});
  EXPECT_TRUE(cleanUps_.empty());
  EXPECT_EQ(product.waitExit(0), -1000);  // the product was left alone
}
