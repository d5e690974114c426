# 32-bit Windows: the program as it ships.
set(mingw_triple i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
# Windows 7 (since its 2018 updates) and every later Windows require SSE2: floating point uses it
# instead of the x87 unit, which the mp3 decoder runs about twice as fast with.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
