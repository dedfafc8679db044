# miravelo_companion_library(<target> SOURCES ... [LIBS ...])
# A shared library that the program loads by absolute path from build/bin. <target> is the file's
# base name (lib<target>.so). Its public header lives in libs/<folder>/include; everything else is
# hidden, so only the extern "C" entry points marked with default visibility are exported.
function(miravelo_companion_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} SHARED ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include
                                       PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  # No "lib" prefix games: the file is lib<target>.so, and it is not versioned, because the
  # program opens it by exact file name.
  set_target_properties(${target} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${MIRAVELO_BIN_DIR}
    LINK_FLAGS "-Wl,--no-undefined")
  set_property(GLOBAL APPEND PROPERTY MIRAVELO_RUNTIME_LIBRARIES ${target})
endfunction()
