# Installation: the game and the solver, with the desktop entry, icon, AppStream metainfo and
# manual pages. Installed under /usr (a package, or a system build), the programs go to games/,
# as Debian has it for games; under any other prefix, such as the default one, to bin/.
include(GNUInstallDirs)
set(QUANDREL_APP_ID org.quandrel.quandrel)
install(CODE [[
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(quandrel_bindir games)
  else()
    set(quandrel_bindir bin)
  endif()
]])
install(TARGETS quandrel quandrel-solve
        RUNTIME DESTINATION "\${quandrel_bindir}"
        BUNDLE DESTINATION .)
if(UNIX AND NOT APPLE)
  install(FILES data/${QUANDREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/${QUANDREL_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES data/${QUANDREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Manual pages and the changelog compressed as Debian expects them; the copyright file.
  set(compressed)
  foreach(source man/quandrel.6 man/quandrel-solve.6 debian/changelog)
    get_filename_component(name ${source} NAME)
    set(output ${PROJECT_BINARY_DIR}/compressed/${name}.gz)
    add_custom_command(OUTPUT ${output}
                       COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/${source} > ${output}
                       DEPENDS data/${source} VERBATIM)
    list(APPEND compressed ${output})
  endforeach()
  add_custom_target(compressed_docs ALL DEPENDS ${compressed})
  install(FILES ${PROJECT_BINARY_DIR}/compressed/quandrel.6.gz
                ${PROJECT_BINARY_DIR}/compressed/quandrel-solve.6.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${PROJECT_BINARY_DIR}/compressed/changelog.gz data/debian/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quandrel)
endif()

# A Debian package whose dependencies dpkg-shlibdeps computes from the binaries.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
endif()
set(CPACK_PACKAGE_NAME quandrel)
set(CPACK_PACKAGE_CONTACT "Quandrel developers <maintainers@quandrel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sliding-block puzzle: bring the big block to the other side")
set(CPACK_PACKAGE_DESCRIPTION
    "Quandrel is a small sliding-block puzzle on a board of five columns and
four rows. Ten blocks of four sizes fill it but for two cells. Drag a
block with the mouse toward an empty cell and it slides, cell by cell, as
long as the pointer leads it; the object is to get the big block to the
other side of the board.
.
The package also holds quandrel-solve, a command-line tool that prints the
shortest solution, in drags or in one-cell steps, from the start or from
any layout.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
