#include "setup/extract/RunningProduct.h"

#include "testing/TestSupport.h"

#include <shlobj.h>

#include <gtest/gtest.h>

using zelotest::HelperProcess;
using zelotest::TempFolder;

namespace {

const std::wstring kMainWindowClass =
    L"TARSEL SPEAK MAIN FRAME | 4D1BB563-E5FC-4771-AD17-6442A4147044";

// A stand-in for the product: the test helper copied to folder\name, showing the product's main
// window; quitting says whether it honours the quit request.
bool startProduct(HelperProcess& process, const std::wstring& folder, const std::wstring& name,
                  bool quitting) {
  SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  const std::wstring program = folder + name;
  CopyFileW(zelotest::helperProgram().c_str(), program.c_str(), FALSE);
  return process.start(program,
                       L"product " + std::wstring(quitting ? L"quitting-window" : L"window") +
                           L" \"" + kMainWindowClass + L"\"",
                       true);
}

class RunningProductTest : public ::testing::Test {
 protected:
  std::wstring D() const { return dir_.path() + L"\\Zelo\\"; }
  TempFolder dir_{L"running"};
};

}  // namespace

TEST_F(RunningProductTest, NameDifferingInLetterCaseIsNotTheProduct) {
  HelperProcess otherCase;
  ASSERT_TRUE(startProduct(otherCase, D(), L"orvizelo.exe", false));
  EXPECT_EQ(findRunningProduct(D()), 0u);
}

TEST_F(RunningProductTest, FoundOnlyWhenRunningFromTheInstallFolder) {
  HelperProcess elsewhere;
  ASSERT_TRUE(startProduct(elsewhere, dir_.path() + L"\\Other\\", L"OrviZelo.exe", false));
  EXPECT_EQ(findRunningProduct(D()), 0u);

  HelperProcess product;
  ASSERT_TRUE(startProduct(product, D(), L"OrviZelo.exe", false));
  EXPECT_EQ(findRunningProduct(D()), product.pid());
}

TEST_F(RunningProductTest, ProductThatHonoursTheRequestQuits) {
  HelperProcess product;
  ASSERT_TRUE(startProduct(product, D(), L"OrviZelo.exe", true));
  zelotest::LogTail tail;
  quitProduct(product.pid());
  EXPECT_EQ(product.waitExit(0), 0);
  EXPECT_EQ(tail.messages(),
            std::vector<std::wstring>{
                L"ZeloSetupDecompressor::_quitApp, post message (WM_APP + 601) to app for quit."});
}

TEST_F(RunningProductTest, ProductThatIgnoresTheRequestIsTerminatedAfterHalfASecond) {
  HelperProcess product;
  ASSERT_TRUE(startProduct(product, D(), L"OrviZelo.exe", false));
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
