#include "setup/extract/RunningProduct.h"

#include "setup/extract/tests/ExtractFixtures.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using zelotest::HelperProcess;
using zelotest::TempFolder;

namespace {

class RunningProductTest : public ::testing::Test {
 protected:
  std::wstring D() const { return dir_.path() + L"\\Zelo\\"; }
  TempFolder dir_{L"running"};
};

}  // namespace

TEST_F(RunningProductTest, NameDifferingInLetterCaseIsNotTheProduct) {
  HelperProcess otherCase;
  ASSERT_TRUE(startProductStandIn(otherCase, D(), L"orvizelo.exe", false));
  EXPECT_EQ(findRunningProduct(D()), 0u);
}

TEST_F(RunningProductTest, FoundOnlyWhenRunningFromTheInstallFolder) {
  HelperProcess elsewhere;
  ASSERT_TRUE(startProductStandIn(elsewhere, dir_.path() + L"\\Other\\", L"OrviZelo.exe", false));
  EXPECT_EQ(findRunningProduct(D()), 0u);

  HelperProcess product;
  ASSERT_TRUE(startProductStandIn(product, D(), L"OrviZelo.exe", false));
  EXPECT_EQ(findRunningProduct(D()), product.pid());
}

TEST_F(RunningProductTest, ProductThatHonoursTheRequestQuits) {
  HelperProcess product;
  ASSERT_TRUE(startProductStandIn(product, D(), L"OrviZelo.exe", true));
  zelotest::LogTail tail;
  quitProduct(product.pid());
  EXPECT_EQ(product.waitExit(0), 0);
  EXPECT_EQ(tail.messages(),
            std::vector<std::wstring>{
                L"ZeloSetupDecompressor::_quitApp, post message (WM_APP + 601) to app for quit."});
}

TEST_F(RunningProductTest, ProductThatIgnoresTheRequestIsTerminatedAfterHalfASecond) {
  HelperProcess product;
  ASSERT_TRUE(startProductStandIn(product, D(), L"OrviZelo.exe", false));
  zelotest::LogTail tail;
  DWORD start = GetTickCount();
  EXPECT_TRUE(closeAllProducts(D()));
  EXPECT_GE(GetTickCount() - start, 450u);
  EXPECT_NE(product.waitExit(0), -1000);
  const std::vector<std::wstring> expected = {
      L"ZeloSetupDecompressor::_quitApp, post message (WM_APP + 601) to app for quit.",
      L"ZeloSetupDecompressor::_quitApp, WaitForSingleObject time-out, will terminate process.",
  };
  EXPECT_EQ(tail.messages(), expected);
  EXPECT_EQ(findRunningProduct(D()), 0u);
}
