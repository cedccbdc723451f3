#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The identity of a side-by-side assembly as the system's store names it.

using AssemblyAttributes = std::vector<std::pair<std::wstring, std::wstring>>;

// 32-bit hash of a text, letters a to z taken as capitals: h := h * 65599 + c.
uint32_t identityTextHash(const std::wstring& text);
// Attributes ordered by name (ordinal), each hashed as H(name) * 65599 + H(value), folded in.
uint32_t assemblyIdentityHash(const AssemblyAttributes& attributes);

// processorArchitecture_name_publicKeyToken_version_language_hash (language "x-ww" when absent).
// A missing architecture, name, token or version reads "none" and clears *complete.
std::wstring assemblyStoreFolderName(const AssemblyAttributes& attributes, bool* complete);
// name, then ",attribute=\"value\"" for every other attribute in document order.
std::wstring assemblyIdentityText(const AssemblyAttributes& attributes);

struct AssemblyManifest {
  AssemblyAttributes identity;  // without the attributes whose value is "*"
  std::vector<std::wstring> files;
  std::wstring folderName;
  std::wstring identityText;
  bool complete = false;  // every part of the folder name was present
};

// Reads an assembly manifest (UTF-8, byte-order mark allowed). False for an empty file, a
// document that does not close its root, or one without "assemblyIdentity"; with true the
// folder name is formed even when complete is false.
bool readAssemblyManifest(const std::wstring& path, AssemblyManifest* manifest);
