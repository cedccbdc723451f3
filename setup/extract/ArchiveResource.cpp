#include "setup/extract/ArchiveResource.h"

#include "base/LogFile.h"

bool ArchiveResource::load(HMODULE module) {
  release();
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(kId), L"zip");
  if (!found) {
    writeLog(L"ZeloSetupDecompressor::_load7zDataFromResource, Find resource(bin.7z) fail.");
    return false;
  }
  loaded_ = LoadResource(module, found);
  if (!loaded_) {
    writeLog(L"ZeloSetupDecompressor::_load7zDataFromResource, Load resource(bin.7z) fail.");
    return false;
  }
  size_ = SizeofResource(module, found);
  data_ = LockResource(loaded_);
  return data_ != nullptr;
}

void ArchiveResource::release() {
  if (loaded_) FreeResource(loaded_);
  loaded_ = nullptr;
  data_ = nullptr;
  size_ = 0;
}
