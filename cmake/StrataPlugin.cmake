# strata_add_plugin(TARGET NAME "Plug-in Name" SOURCES ... LIBS ...)
#
# One plug-in module: a shared library named after the plug-in, with hidden symbols and exactly
# one export, KeyframerMain, carrying the PiPL and version block built by strata-pipl-tool.
# Each module links its own copy of the static libraries, so each has its own globals.
set(STRATA_PLUGIN_DIR ${PROJECT_BINARY_DIR}/plugins CACHE INTERNAL "Where the modules land")

function(strata_add_plugin target)
  cmake_parse_arguments(ARG "NO_PIPL" "NAME;PIPL_NAME" "SOURCES;LIBS" ${ARGN})
  set(pipl_name "${ARG_NAME}")
  if(ARG_PIPL_NAME)
    set(pipl_name "${ARG_PIPL_NAME}")
  endif()
  set(sources ${ARG_SOURCES})
  if(NOT ARG_NO_PIPL)
    set(pipl_c ${CMAKE_CURRENT_BINARY_DIR}/${target}_pipl.c)
    add_custom_command(OUTPUT ${pipl_c}
      COMMAND strata-pipl-tool "${pipl_name}" --c ${pipl_c}
      DEPENDS strata-pipl-tool
      COMMENT "PiPL of ${ARG_NAME}")
    list(APPEND sources ${pipl_c})
  endif()

  add_library(${target} MODULE ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME "${ARG_NAME}"
    PREFIX ""
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${STRATA_PLUGIN_DIR})
  # The version script keeps every symbol of the linked libraries local, whatever their
  # visibility, so two modules in one process never bind to each other's globals.
  target_link_options(${target} PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/plugin_exports.map
    -Wl,--no-undefined -Wl,-Bsymbolic)
  strata_warnings(${target})
endfunction()
