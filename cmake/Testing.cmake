# miravelo_add_test(<name> SOURCES ... [LIBS ...] [TIMEOUT seconds])
# A Qt Test executable run by CTest on the offscreen platform with the virtual cameras only, and with
# a private HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR (made fresh for every run by
# tests/isolated.sh) so that no test reads or writes outside its own folder.
set(MIRAVELO_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/tests)
function(miravelo_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${MIRAVELO_TEST_BIN_DIR}
    AUTOMOC ON AUTORCC ON)
  target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
  # Shared test helpers are included as "support/<file>.h".
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    MIRAVELO_BIN_DIR="${MIRAVELO_BIN_DIR}"
    MIRAVELO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  # Tests load the companion libraries from build/bin, so those must be built first.
  get_property(runtime_libs GLOBAL PROPERTY MIRAVELO_RUNTIME_LIBRARIES)
  foreach(l ${runtime_libs})
    add_dependencies(${name} ${l})
  endforeach()
  add_test(NAME ${name}
           COMMAND ${CMAKE_SOURCE_DIR}/tests/isolated.sh $<TARGET_FILE:${name}>)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()
