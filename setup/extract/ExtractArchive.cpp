#include "setup/extract/ExtractArchive.h"

#include "setup/extract/ItemSink.h"
#include "setup/extract/MemoryInStream.h"

#include <7z.h>
#include <7zAlloc.h>
#include <7zCrc.h>

#include <string>

namespace {

constexpr size_t kLookAheadSize = 1 << 18;

// Everything the SDK keeps during one run, freed in one place whatever the outcome.
struct DecoderState {
  ISzAlloc allocMain = {SzAlloc, SzFree};
  ISzAlloc allocTemp = {SzAllocTemp, SzFreeTemp};
  CLookToRead2 look = {};
  CSzArEx db;
  UInt16* name = nullptr;
  size_t nameCapacity = 0;  // in UInt16 units
  UInt32 blockIndex = 0xFFFFFFFF;
  Byte* block = nullptr;
  size_t blockSize = 0;

  DecoderState() { SzArEx_Init(&db); }
  ~DecoderState() {
    ISzAlloc_Free(&allocMain, block);
    SzArEx_Free(&db, &allocMain);
    SzFree(nullptr, name);
    ISzAlloc_Free(&allocMain, look.buf);
  }
};

}  // namespace

int extractArchive(const void* archive, size_t size, ItemSink& sink, const ICancelQuery* cancel) {
  MemoryInStream input(archive, size);
  DecoderState s;
  LookToRead2_CreateVTable(&s.look, False);  // exact reads: never past what the decoder asks
  s.look.buf = static_cast<Byte*>(ISzAlloc_Alloc(&s.allocMain, kLookAheadSize));
  if (!s.look.buf) return SZ_ERROR_MEM;
  s.look.bufSize = kLookAheadSize;
  s.look.realStream = &input.vt;
  LookToRead2_INIT(&s.look);

  CrcGenerateTable();
  SRes result = SzArEx_Open(&s.db, &s.look.vt, &s.allocMain, &s.allocTemp);
  if (result != SZ_OK) return result;

  const UInt32 count = s.db.NumFiles;
  for (UInt32 i = 0; i < count && result == SZ_OK; ++i) {
    if (!sink.continueLoop()) break;

    size_t length = SzArEx_GetFileNameUtf16(&s.db, i, nullptr);  // terminator included
    if (length > s.nameCapacity) {
      SzFree(nullptr, s.name);
      s.nameCapacity = length * 2;
      s.name = static_cast<UInt16*>(SzAlloc(nullptr, s.nameCapacity * sizeof(UInt16)));
      if (!s.name) {
        s.nameCapacity = 0;
        result = SZ_ERROR_MEM;
        break;
      }
    }
    SzArEx_GetFileNameUtf16(&s.db, i, s.name);
    const std::wstring name(reinterpret_cast<const wchar_t*>(s.name));

    if (sink.wantItem(name)) {
      const bool isDir = SzArEx_IsDir(&s.db, i);
      size_t offset = 0;
      size_t itemSize = 0;
      if (!isDir) {
        result = SzArEx_Extract(&s.db, &s.look.vt, i, &s.blockIndex, &s.block, &s.blockSize,
                                &offset, &itemSize, &s.allocMain, &s.allocTemp);
        if (result != SZ_OK) break;
      }
      const uint8_t* data = isDir || !s.block ? nullptr : s.block + offset;
      if (!sink.output(name, isDir, data, itemSize)) {
        result = SZ_ERROR_FAIL;
        break;
      }
      sink.progress(i, count);
    }
    if (cancel && cancel->isStopRequested()) result = SZ_ERROR_FAIL;
  }
  return result;
}
