# What reaches users: the version every program carries, the programs
# themselves without debug information, and the package folder.

# The version comes from project() alone; the programs' version resources and
# texts and the package's name read it from kestrel_version.h.
configure_file(${CMAKE_SOURCE_DIR}/cmake/kestrel_version.h.in
               ${CMAKE_BINARY_DIR}/generated/kestrel_version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
file(WRITE ${CMAKE_BINARY_DIR}/kestrel-version "${PROJECT_VERSION}\n")

# kestrel_shipped(target...)
# Marks programs and DLLs that reach users. The import check reads every one
# of them, so they must be declared before the tests folder is added. In the
# Windows builds each is linked with its debug information, which then moves
# to <file>.dbg beside it (for reading crash addresses with addr2line or gdb,
# which finds it through the debug link); the file itself keeps none, so the
# tests run exactly what users get.
function(kestrel_shipped)
  set_property(GLOBAL APPEND PROPERTY KESTREL_SHIPPED ${ARGN})
  if(NOT WIN32)
    return()
  endif()
  foreach(target IN LISTS ARGN)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}>
              $<TARGET_FILE:${target}>.dbg
      COMMAND ${CMAKE_OBJCOPY} --strip-all
              --add-gnu-debuglink=$<TARGET_FILE:${target}>.dbg $<TARGET_FILE:${target}>
      WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
      VERBATIM)
  endforeach()
endfunction()

# kestrel_speed_critical(target...)
# The Windows builds optimise for size; these libraries, whose loops the
# benchmarks time (the walk, the report written and read, the explorer's
# model), are optimised for speed: -Os made writing a report a third slower.
function(kestrel_speed_critical)
  if(WIN32)
    foreach(target IN LISTS ARGN)
      target_compile_options(${target} PRIVATE -O2)
    endforeach()
  endif()
endfunction()
