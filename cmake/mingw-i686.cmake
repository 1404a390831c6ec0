# 32-bit Windows with the mingw-w64 i686 cross compiler: the shipped programs.
set(KESTREL_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# The programs run on the i486 and every later processor Windows 95 and 98
# ran on. The compiler's own default is the Pentium Pro, whose cmov, fcmov
# and fcomi an i486, Pentium or K6 stops at; the runtime the compiler links
# is built for it too, so the programs link the one tools/build-runtime
# builds for the i486 instead.
set(CMAKE_C_FLAGS_INIT "-march=i486")
set(CMAKE_CXX_FLAGS_INIT "-march=i486")
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../tools/build-runtime --dir
                OUTPUT_VARIABLE KESTREL_I486_RUNTIME OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
if(NOT EXISTS ${KESTREL_I486_RUNTIME}/complete)
  message(FATAL_ERROR "The i486 runtime ${KESTREL_I486_RUNTIME} is not built: run tools/bootstrap")
endif()
# The top CMakeLists.txt links with -B${KESTREL_I486_RUNTIME}/; read anew at
# every configure, so a rebuilt runtime in a new folder is taken up.
