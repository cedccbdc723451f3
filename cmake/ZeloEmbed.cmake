# zelo_embed_files(TARGET t SYMBOL s BASE dir FILES rel...): compiles files into t as a
# KxEmbeddedTable named s, each file named by its path relative to dir ("theme/gui/x.png").
# The table source is generated at build time from the files themselves.
function(zelo_embed_files)
  cmake_parse_arguments(ARG "" "TARGET;SYMBOL;BASE" "FILES" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${ARG_SYMBOL}.cpp)
  set(deps)
  foreach(f ${ARG_FILES})
    list(APPEND deps ${ARG_BASE}/${f})
  endforeach()
  string(REPLACE ";" "|" names "${ARG_FILES}")
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DSYMBOL=${ARG_SYMBOL} -DBASE=${ARG_BASE}
            "-DFILES=${names}" -P ${ZELO_EMBED_SCRIPT}
    DEPENDS ${deps} ${ZELO_EMBED_SCRIPT}
    COMMENT "Embedding ${ARG_SYMBOL}"
    VERBATIM)
  target_sources(${ARG_TARGET} PRIVATE ${out})
endfunction()

set(ZELO_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFiles.cmake)
