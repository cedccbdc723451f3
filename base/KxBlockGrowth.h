#pragma once

// Growth of the shared string and byte array blocks: the block size in bytes for a block that
// must hold neededBytes. Below 64 bytes it grows by at most 16 bytes, up to 4,095 by at most 64,
// and from 4,096 on by at most 4,096, so appending one unit at a time rarely reallocates.
int kxGrownBlockBytes(int neededBytes);
