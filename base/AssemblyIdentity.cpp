#include "AssemblyIdentity.h"

#include "WideFormat.h"
#include "XmlDocument.h"
#include "XmlText.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint32_t kMultiplier = 65599;

const std::wstring* findValue(const AssemblyAttributes& attributes, const wchar_t* name) {
  for (const auto& a : attributes)
    if (a.first == name) return &a.second;
  return nullptr;
}

}  // namespace

uint32_t identityTextHash(const std::wstring& text) {
  uint32_t h = 0;
  for (wchar_t c : text) {
    uint32_t v = (c >= L'a' && c <= L'z') ? static_cast<uint32_t>(c - L'a' + L'A') : c;
    h = h * kMultiplier + v;
  }
  return h;
}

uint32_t assemblyIdentityHash(const AssemblyAttributes& attributes) {
  AssemblyAttributes sorted = attributes;
  std::sort(sorted.begin(), sorted.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  uint32_t h = 0;
  for (const auto& a : sorted)
    h = h * kMultiplier + (identityTextHash(a.first) * kMultiplier + identityTextHash(a.second));
  return h;
}

std::wstring assemblyStoreFolderName(const AssemblyAttributes& attributes, bool* complete) {
  bool all = true;
  auto part = [&](const wchar_t* name) {
    const std::wstring* value = findValue(attributes, name);
    if (!value) all = false;
    return value ? *value : std::wstring(L"none");
  };
  const std::wstring* language = findValue(attributes, L"language");
  std::wstring folder = part(L"processorArchitecture") + L"_" + part(L"name") + L"_" +
                        part(L"publicKeyToken") + L"_" + part(L"version") + L"_" +
                        (language ? *language : std::wstring(L"x-ww")) + L"_" +
                        formatWide(L"%08lx", static_cast<unsigned long>(assemblyIdentityHash(attributes)));
  if (complete) *complete = all;
  return folder;
}

std::wstring assemblyIdentityText(const AssemblyAttributes& attributes) {
  const std::wstring* name = findValue(attributes, L"name");
  std::wstring text = name ? *name : std::wstring();
  for (const auto& a : attributes)
    if (a.first != L"name") text += L"," + a.first + L"=\"" + a.second + L"\"";
  return text;
}

namespace {

bool readBytes(const std::wstring& path, std::string* bytes) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) return false;
  char buffer[16384];
  size_t got = 0;
  while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) bytes->append(buffer, got);
  fclose(file);
  return true;
}

}  // namespace

bool readAssemblyManifest(const std::wstring& path, AssemblyManifest* manifest) {
  std::string bytes;
  if (!readBytes(path, &bytes)) return false;
  size_t skip = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  XmlDocument doc;
  if (!doc.setText(decodeUtf8Lenient(bytes.data() + skip, bytes.size() - skip))) return false;
  if (!doc.findAnyElem() || !doc.intoElem()) return false;
  bool identityFound = false;
  while (doc.findAnyElem()) {
    const std::wstring tag = doc.tagName();
    if (tag == L"assemblyIdentity" && !identityFound) {
      identityFound = true;
      for (auto& a : doc.attributes())
        if (a.second != L"*") manifest->identity.push_back(a);
    } else if (tag == L"file") {
      manifest->files.push_back(doc.getAttrib(L"name"));
    }
  }
  if (!identityFound) return false;
  manifest->folderName = assemblyStoreFolderName(manifest->identity, &manifest->complete);
  manifest->identityText = assemblyIdentityText(manifest->identity);
  return true;
}
