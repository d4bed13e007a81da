# Windows: the Win32 front end, cross-built here with MinGW-w64. Its programs, tests and
# benchmarks run under Wine, in a prefix of this build's own that the tests make afresh.
set(QUANDREL_FRONT_END win32)
if(CMAKE_CROSSCOMPILING AND CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux")
  set(QUANDREL_TESTS_DEFAULT ON)
  set(QUANDREL_BENCH ON)
  set(QUANDREL_WINEPREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${QUANDREL_WINEPREFIX} WINEDEBUG=-all wine)
endif()
set(QUANDREL_PACKAGING ${CMAKE_CURRENT_LIST_DIR}/windows-package.cmake)

# Version resources and the manifest, for the game and the solver.
function(quandrel_resources target description)
  set(QUANDREL_VERSION_QUAD ${PROJECT_VERSION}.0)
  set(QUANDREL_FILE_NAME ${target})
  set(QUANDREL_FILE_DESCRIPTION "${description}")
  set(resources ${PROJECT_SOURCE_DIR}/data/windows)
  configure_file(${resources}/quandrel.manifest ${CMAKE_CURRENT_BINARY_DIR}/quandrel.manifest @ONLY)
  configure_file(${resources}/quandrel.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
