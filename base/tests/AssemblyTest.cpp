#include "base/AssemblyIdentity.h"
#include "base/AssemblyInstaller.h"

#include "base/TextConvert.h"
#include "testing/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

using zelotest::TempFolder;

namespace {

const AssemblyAttributes kShippedIdentity = {
    {L"type", L"win32"},
    {L"name", L"Microsoft.VC90.CRT"},
    {L"version", L"9.0.30729.6161"},
    {L"processorArchitecture", L"x86"},
    {L"publicKeyToken", L"1fc8b3b9a1e18e3b"},
};

std::string narrow(const std::wstring& text) { return wideToMultiByte(text.c_str(), -1, CP_UTF8); }

std::string manifestText(const std::wstring& name, const char* type, const std::string& files) {
  return "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\n"
         "  <assemblyIdentity type=\"" + std::string(type) + "\" name=\"" + narrow(name) +
         "\" version=\"1.0.0.0\" processorArchitecture=\"x86\" publicKeyToken=\"0123456789abcdef\""
         " language=\"*\"/>\n" + files + "</assembly>\n";
}

}  // namespace

TEST(AssemblyIdentity, HashOfTheShippedRuntime) {
  EXPECT_EQ(identityTextHash(L""), 0u);
  EXPECT_EQ(identityTextHash(L"A"), 65u);
  EXPECT_EQ(identityTextHash(L"a"), 65u);  // letters count as capitals
  EXPECT_EQ(identityTextHash(L"ab"), 65u * 65599u + 66u);
  EXPECT_EQ(assemblyIdentityHash(kShippedIdentity), 0x31a54e43u);
  AssemblyAttributes reordered(kShippedIdentity.rbegin(), kShippedIdentity.rend());
  EXPECT_EQ(assemblyIdentityHash(reordered), 0x31a54e43u);  // ordered by name first
  bool complete = false;
  EXPECT_EQ(assemblyStoreFolderName(kShippedIdentity, &complete),
            L"x86_Microsoft.VC90.CRT_1fc8b3b9a1e18e3b_9.0.30729.6161_x-ww_31a54e43");
  EXPECT_TRUE(complete);
  EXPECT_EQ(assemblyIdentityText(kShippedIdentity),
            L"Microsoft.VC90.CRT,type=\"win32\",version=\"9.0.30729.6161\","
            L"processorArchitecture=\"x86\",publicKeyToken=\"1fc8b3b9a1e18e3b\"");
}

TEST(AssemblyIdentity, MissingPartsReadNone) {
  bool complete = true;
  const std::wstring folder =
      assemblyStoreFolderName({{L"name", L"A"}, {L"language", L"de"}}, &complete);
  EXPECT_EQ(folder.substr(0, 20), L"none_A_none_none_de_");
  EXPECT_EQ(folder.size(), 28u);
  EXPECT_FALSE(complete);
}

TEST(AssemblyIdentity, ManifestNamedAfterItsStoreFolder) {
  TempFolder folder(L"manifest");
  const std::wstring name = L"x86_Microsoft.VC90.CRT_1fc8b3b9a1e18e3b_9.0.30729.6161_x-ww_31a54e43";
  const std::wstring path = folder / (name + L".manifest");
  ASSERT_TRUE(zelotest::writeTextFile(
      path, "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<assembly manifestVersion=\"1.0\">\n"
            "  <assemblyIdentity type=\"win32\" name=\"Microsoft.VC90.CRT\" version=\"9.0.30729.6161\""
            " processorArchitecture=\"x86\" publicKeyToken=\"1fc8b3b9a1e18e3b\"/>\n"
            "  <file name=\"msvcr90.dll\"/>\n  <file name=\"msvcp90.dll\"/>\n</assembly>\n"));
  AssemblyManifest manifest;
  ASSERT_TRUE(readAssemblyManifest(path, &manifest));
  EXPECT_EQ(manifest.folderName, name);
  EXPECT_TRUE(manifest.complete);
  EXPECT_EQ(manifest.files, (std::vector<std::wstring>{L"msvcr90.dll", L"msvcp90.dll"}));

  const std::string broken[] = {"", "<assembly><assemblyIdentity name=\"a\"/>"};
  for (const std::string& text : broken) {
    ASSERT_TRUE(zelotest::writeTextFile(path, text));
    AssemblyManifest none;
    EXPECT_FALSE(readAssemblyManifest(path, &none)) << text;
  }
}

namespace {

// An assembly folder of our own: a manifest, a publisher policy and two small DLLs, under a
// name unique to the test, removed from the store again afterwards.
class InstallAsmTest : public ::testing::Test {
 protected:
  void SetUp() override {
    name_ = zelotest::uniqueName(L"OrviZelo.Test.Runtime");
    for (const wchar_t* dll : {L"zelo_sxs_a.dll", L"zelo_sxs_b.dll"})
      ASSERT_TRUE(CopyFileW((zelotest::binFolder() + L"\\sxs\\" + dll).c_str(),
                            (folder_ / dll).c_str(), FALSE));
    application_ = folder_ / L"app.exe";
    ASSERT_TRUE(zelotest::writeTextFile(application_, "MZ"));
    writeManifest(L"runtime.manifest");
    writePolicy(L"runtime.policy");
  }
  void TearDown() override { removeFromStore(); }

  void writeManifest(const std::wstring& file) {
    ASSERT_TRUE(zelotest::writeTextFile(
        folder_ / file, manifestText(name_, "win32",
                                     "  <file name=\"zelo_sxs_a.dll\"/>\n"
                                     "  <file name=\"zelo_sxs_b.dll\"/>\n")));
  }
  void writePolicy(const std::wstring& file) {
    ASSERT_TRUE(zelotest::writeTextFile(folder_ / file,
                                        manifestText(L"policy.1.0." + name_, "win32-policy", "")));
  }
  // Store entries whose names hold the assembly's (lower-case) name.
  std::vector<std::wstring> storeEntries(const std::wstring& under) {
    std::wstring lower = name_;
    CharLowerBuffW(&lower[0], static_cast<DWORD>(lower.size()));
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((assemblyStoreFolder() + under + L"*" + lower + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return found;
    do found.push_back(assemblyStoreFolder() + under + entry.cFileName);
    while (FindNextFileW(find, &entry));
    FindClose(find);
    return found;
  }
  void removeFromStore() {
    for (const wchar_t* under : {L"", L"manifests\\", L"policies\\"})
      for (const std::wstring& path : storeEntries(under)) zelotest::removeTree(path);
  }

  TempFolder folder_{L"assembly"};
  std::wstring name_;
  std::wstring application_;
};

}  // namespace

TEST_F(InstallAsmTest, MissingInputsGiveMinusOne) {
  EXPECT_EQ(installAsm(folder_ / L"missing", application_), -1);
  EXPECT_EQ(installAsm(application_, application_), -1);  // a file is no assembly folder
  EXPECT_EQ(installAsm(folder_.path(), folder_ / L"missing.exe"), -1);
  EXPECT_EQ(installAsm(folder_.path(), folder_.path()), -1);  // a folder is no application
}

TEST_F(InstallAsmTest, OwnAssemblyInstallsIntoTheStore) {
  EXPECT_EQ(installAsm(folder_.path(), application_), 0);
  // Wine's store: the manifest under "manifests", the policy under "policies", the DLLs in a
  // folder of the assembly's own (named "..._none_deadbeef", not by the identity hash).
  EXPECT_EQ(storeEntries(L"manifests\\").size(), 1u);
  std::vector<std::wstring> folders = storeEntries(L"");
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_TRUE(zelotest::pathExists(folders[0] + L"\\zelo_sxs_a.dll"));
  EXPECT_TRUE(zelotest::pathExists(folders[0] + L"\\zelo_sxs_b.dll"));
  // Installed again, Wine's cache overwrites instead of reporting the assembly present.
  EXPECT_EQ(installAsm(folder_.path() + L"\\", application_), 0);
}

TEST_F(InstallAsmTest, FolderWithoutExactlyOneManifestAndPolicyInstallsNothing) {
  writePolicy(L"second.POLICY");
  EXPECT_EQ(installAsm(folder_.path(), application_), 1);
  DeleteFileW((folder_ / L"second.POLICY").c_str());
  writeManifest(L"second.Manifest");
  EXPECT_EQ(installAsm(folder_.path(), application_), 1);
  DeleteFileW((folder_ / L"second.Manifest").c_str());
  DeleteFileW((folder_ / L"runtime.policy").c_str());
  EXPECT_EQ(installAsm(folder_.path(), application_), 1);
  EXPECT_TRUE(storeEntries(L"manifests\\").empty());
}

// Wine's cache refuses a manifest without file elements with the bare number 14004
// (ERROR_SXS_MANIFEST_FORMAT_ERROR), which FAILED() takes for success.
TEST_F(InstallAsmTest, ManifestTheStoreRefusesFails) {
  ASSERT_TRUE(zelotest::writeTextFile(folder_ / L"runtime.manifest",
                                      manifestText(name_, "win32", "")));
  EXPECT_EQ(installAsm(folder_.path(), application_), 1);
}
