# Linux (and other Unix desktops): the Qt 6 front end. On Linux the tests run offscreen and
# under Xvfb, and the benchmarks use POSIX processes; installation makes a Debian package.
set(QUANDREL_FRONT_END qt)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(QUANDREL_TESTS_DEFAULT ON)
  set(QUANDREL_BENCH ON)
endif()
set(QUANDREL_PACKAGING ${CMAKE_CURRENT_LIST_DIR}/linux-package.cmake)
