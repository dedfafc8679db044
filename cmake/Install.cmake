# cmake --install build --prefix <prefix> lays out:
#   <prefix>/lib/miravelo/        the program, its companion libraries and Language/*.qm: the
#                                 program finds all of them beside itself, as in build/bin
#   <prefix>/bin/miravelo         a link to the program, so that it starts from any directory
#   <prefix>/share/miravelo/      the default Tesmora.ini that seeds each user's own copy
#   <prefix>/share/applications/, share/metainfo/, share/icons/hicolor/   desktop integration
set(MIRAVELO_APP_ID io.github.miravelo.Miravelo)
set(program_dir lib/miravelo)

# Before anything is copied: a prefix the user cannot write fails with a message saying so,
# rather than with the first copy that happens to fail.
install(CODE [[
  set(target_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(probe "${target_dir}")
  while(NOT EXISTS "${probe}")
    get_filename_component(probe "${probe}" DIRECTORY)
  endwhile()
  execute_process(COMMAND test -w "${probe}" -a -x "${probe}" RESULT_VARIABLE not_writable)
  if(not_writable)
    message(FATAL_ERROR "Cannot install Miravelo into ${target_dir}: no write permission for "
                        "${probe}. Choose a prefix you can write to (for example "
                        "--prefix \"$HOME/.local\") or install with administrator rights.")
  endif()
]])

get_property(runtime_libs GLOBAL PROPERTY MIRAVELO_RUNTIME_LIBRARIES)
install(TARGETS miravelo Rir ${runtime_libs}
        RUNTIME DESTINATION ${program_dir}
        LIBRARY DESTINATION ${program_dir})
install(DIRECTORY ${MIRAVELO_BIN_DIR}/Language DESTINATION ${program_dir}
        FILES_MATCHING PATTERN "*.qm")
install(FILES ${CMAKE_SOURCE_DIR}/Res/Tesmora.ini DESTINATION share/miravelo)
install(CODE [[
  set(link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/miravelo")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(REMOVE "${link}")
  file(CREATE_LINK ../lib/miravelo/miravelo "${link}" SYMBOLIC)
  message(STATUS "Installing: ${link} -> ../lib/miravelo/miravelo")
]])

install(FILES ${CMAKE_SOURCE_DIR}/Res/desktop/${MIRAVELO_APP_ID}.desktop
        DESTINATION share/applications)
configure_file(${CMAKE_SOURCE_DIR}/Res/desktop/${MIRAVELO_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/${MIRAVELO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${MIRAVELO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Res/icons/hicolor DESTINATION share/icons)
