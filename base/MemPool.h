#pragma once

#include <cstddef>

// The process-wide small-block pool. Requests up to 256 bytes come from 13 size classes carved
// out of large chunks; larger ones, and every request once the pool is off or full, go to the
// general heap. Any address from these four may be passed to any of them: the pool tells its own
// blocks from heap blocks by address. "/disablemempool" on the command line, in any letter case,
// sends everything to the general heap for the life of the process.

// Like malloc: a block of at least size bytes (0 counts as 1), 4-byte aligned.
void* mp_alloc(size_t size);
// Like realloc: keeps a pool block that is big enough, else moves the data to a new block.
void* mp_realloc(void* address, size_t size);
// Like free; null is ignored. A second free of a pool block is reported and changes nothing.
void mp_free(void* address);
// Like _msize: the class's block size for a pool block (not the size asked for); 0 for null.
size_t mp_size(const void* address);

// True when address is a block of the pool (false for heap blocks and whenever the pool is off).
bool mp_owns(const void* address);

// Receives the text of every pool error (double free, broken guard, foreign block). The default
// shows a message box that needs no window and breaks into an attached debugger. Called with the
// pool's lock released, from the thread that found the error.
using MemPoolReportSink = void (*)(const wchar_t* message);
// Installs sink (null: the default) and returns the one installed before.
MemPoolReportSink setMemPoolReportSink(MemPoolReportSink sink);
