# Installation: the game and the solver, with the desktop entry, icon and AppStream metainfo.
include(GNUInstallDirs)
set(QUANDREL_APP_ID org.quandrel.Quandrel)
install(TARGETS quandrel quandrel-solve
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        BUNDLE DESTINATION .)
if(UNIX AND NOT APPLE)
  install(FILES data/${QUANDREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/${QUANDREL_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES data/${QUANDREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# A Debian package whose dependencies dpkg-shlibdeps computes from the binaries.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
endif()
set(CPACK_PACKAGE_NAME quandrel)
set(CPACK_PACKAGE_CONTACT "Quandrel developers <quandrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sliding-block puzzle: bring the big block to the other side")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
