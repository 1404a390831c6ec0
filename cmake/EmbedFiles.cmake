# kestrel_embed_files(OUTPUT file.cpp FUNCTION name FILES file...)
# Generates a source that defines `std::string_view name(std::string_view file)`,
# which returns the exact bytes of the file with that name (no folder), or
# empty text for a name it does not know. Tests read their sample files through
# it, so the samples need no path at run time, under Wine or not.
function(kestrel_embed_files)
  cmake_parse_arguments(E "" "OUTPUT;FUNCTION" "FILES" ${ARGN})
  add_custom_command(OUTPUT ${E_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${E_OUTPUT} -DFUNCTION=${E_FUNCTION} "-DFILES=${E_FILES}"
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFilesScript.cmake
    DEPENDS ${E_FILES} ${CMAKE_SOURCE_DIR}/cmake/EmbedFilesScript.cmake VERBATIM)
endfunction()
