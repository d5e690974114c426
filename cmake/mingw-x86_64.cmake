# 64-bit Windows: the tests' build on machines that do not run 32-bit programs, where Wine can start
# only 64-bit ones. The program ships 32-bit.
set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
