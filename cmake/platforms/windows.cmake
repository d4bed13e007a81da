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
