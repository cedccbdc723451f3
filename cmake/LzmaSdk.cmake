# The LZMA SDK's 7z decoder, from the sources tools/bootstrap puts into third_party/lzma-sdk.
set(ZELO_LZMA_SDK_DIR ${CMAKE_SOURCE_DIR}/third_party/lzma-sdk/C)
if(NOT EXISTS ${ZELO_LZMA_SDK_DIR}/7zArcIn.c)
  message(FATAL_ERROR "The LZMA SDK sources are missing: run tools/bootstrap")
endif()

set(ZELO_LZMA_SDK_SOURCES
  7zAlloc.c 7zArcIn.c 7zBuf.c 7zCrc.c 7zCrcOpt.c 7zDec.c 7zFile.c 7zStream.c
  Bcj2.c Bra.c Bra86.c CpuArch.c Delta.c Lzma2Dec.c LzmaDec.c
)
list(TRANSFORM ZELO_LZMA_SDK_SOURCES PREPEND ${ZELO_LZMA_SDK_DIR}/)
add_library(lzma_sdk STATIC ${ZELO_LZMA_SDK_SOURCES})
target_include_directories(lzma_sdk SYSTEM PUBLIC ${ZELO_LZMA_SDK_DIR})
# Single-threaded decoding; the SDK's own UNICODE handling follows ours.
target_compile_definitions(lzma_sdk PUBLIC Z7_ST)
target_compile_options(lzma_sdk PRIVATE -w -O2)
