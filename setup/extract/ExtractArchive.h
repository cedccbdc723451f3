#pragma once

#include <cstddef>
#include <cstdint>

class ICancelQuery;
class ItemSink;

// Decodes a 7z archive held in memory and hands every item, in archive order, to sink. A solid
// block is decoded once into memory and reused for the following items of that block; every
// file's CRC is checked. cancel (may be null) is asked after every item. Returns the LZMA SDK's
// result code: 0 for success, 11 when the sink refused an item or the run was cancelled.
int extractArchive(const void* archive, size_t size, ItemSink& sink, const ICancelQuery* cancel);
