set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

set(MIRAVELO_PROGRAM_DIRS app ui camera modes output)
set(core_sources)
foreach(d ${MIRAVELO_PROGRAM_DIRS})
  file(GLOB_RECURSE found CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${d}/*.cpp ${CMAKE_SOURCE_DIR}/${d}/*.h)
  list(APPEND core_sources ${found})
endforeach()
list(FILTER core_sources EXCLUDE REGEX "/app/main\\.cpp$")
file(GLOB resource_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Res/*.qrc)

add_library(miravelo_core STATIC ${core_sources} ${resource_files})
target_include_directories(miravelo_core PUBLIC ${CMAKE_SOURCE_DIR})
# The one version number: the About box shows the project's version.
target_compile_definitions(miravelo_core PRIVATE MIRAVELO_VERSION="${PROJECT_VERSION}")
# The program sees each companion library only through its public header.
file(GLOB lib_includes LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/libs/*/include)
target_include_directories(miravelo_core PUBLIC ${lib_includes})
target_link_libraries(miravelo_core PUBLIC
  Qt5::Core Qt5::Gui Qt5::Widgets Qt5::PrintSupport Qt5::Svg Threads::Threads ${CMAKE_DL_LIBS})
if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/ProgramDeps.cmake)
  include(${CMAKE_SOURCE_DIR}/cmake/ProgramDeps.cmake)
endif()

add_executable(miravelo ${CMAKE_SOURCE_DIR}/app/main.cpp)
target_link_libraries(miravelo PRIVATE miravelo_core)
# The executable needs the companion libraries beside it at run time, not at link time.
get_property(runtime_libs GLOBAL PROPERTY MIRAVELO_RUNTIME_LIBRARIES)
foreach(l ${runtime_libs})
  add_dependencies(miravelo ${l})
endforeach()

# Translations: Language/*.ts -> build/bin/Language/*.qm
file(GLOB ts_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Language/*.ts)
if(ts_files)
  set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${MIRAVELO_BIN_DIR}/Language)
  qt5_add_translation(qm_files ${ts_files})
  add_custom_target(miravelo_translations ALL DEPENDS ${qm_files})
  add_dependencies(miravelo miravelo_translations)
endif()

# A user's own settings survive a rebuild: the shipped Tesmora.ini is copied only when none exists.
if(EXISTS ${CMAKE_SOURCE_DIR}/Res/Tesmora.ini)
  add_custom_target(miravelo_default_ini ALL
    COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/Res/Tesmora.ini
            -DDST=${MIRAVELO_BIN_DIR}/Tesmora.ini -P ${CMAKE_SOURCE_DIR}/cmake/CopyIfAbsent.cmake
    VERBATIM)
  add_dependencies(miravelo miravelo_default_ini)
endif()
