// Extracts an archive file through extractArchive and CDiskOutputer into a folder, the way the
// installer extracts its payload, and prints the time, the throughput and the peak working set.
// Usage: extract_bench ARCHIVE OUTPUT-FOLDER
#include "setup/extract/CDiskOutputer.h"
#include "setup/extract/ExtractArchive.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>

namespace {

// Counts the bytes that pass to the disk.
class CountingSink : public ItemSink {
 public:
  explicit CountingSink(ItemSink& inner) : inner_(inner) {}
  bool wantItem(const std::wstring& name) override { return inner_.wantItem(name); }
  bool output(const std::wstring& name, bool isDir, const uint8_t* data, size_t size) override {
    bytes += size;
    return inner_.output(name, isDir, data, size);
  }
  bool continueLoop() override { return inner_.continueLoop(); }
  void progress(unsigned index, unsigned count) override { inner_.progress(index, count); }
  unsigned long long bytes = 0;

 private:
  ItemSink& inner_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: extract_bench ARCHIVE OUTPUT-FOLDER\n");
    return 2;
  }
  // Mapped, not read: the installer's archive is a resource mapped with its module.
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE mapping = file == INVALID_HANDLE_VALUE
                       ? nullptr
                       : CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  const void* archive = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
  if (!archive) {
    std::fprintf(stderr, "cannot map the archive\n");
    return 2;
  }
  LARGE_INTEGER archiveSize = {};
  GetFileSizeEx(file, &archiveSize);
  // What the process holds before the extraction: the runtime, the program, Wine's own DLLs.
  PROCESS_MEMORY_COUNTERS before = {};
  before.cb = sizeof before;
  GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);

  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  CDiskOutputer outputer(argv[2], nullptr);
  CountingSink sink(outputer);
  int result = extractArchive(archive, static_cast<size_t>(archiveSize.QuadPart), sink, nullptr);
  QueryPerformanceCounter(&end);

  double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("result %d\nunpacked_bytes %llu\nextract_seconds %.3f\nmb_per_s %.1f\n"
              "peak_working_set_bytes %lu\nworking_set_before_bytes %lu\narchive_bytes %lu\n",
              result, sink.bytes, seconds, sink.bytes / 1048576.0 / seconds,
              static_cast<unsigned long>(memory.PeakWorkingSetSize),
              static_cast<unsigned long>(before.WorkingSetSize),
              static_cast<unsigned long>(archiveSize.QuadPart));
  UnmapViewOfFile(archive);
  CloseHandle(mapping);
  CloseHandle(file);
  return result == 0 ? 0 : 1;
}
