# 64-bit Windows with the mingw-w64 x86_64 cross compiler: the test vehicle for
# machines that cannot run 32-bit code.
set(KESTREL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
