# Installation on Windows: both programs in the installation folder, with the README and licence.
install(TARGETS quandrel quandrel-solve RUNTIME DESTINATION .)
install(FILES README.md LICENSE DESTINATION .)

# An NSIS installer (Start-menu shortcut, uninstaller in Add/Remove Programs) and a portable zip.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Quandrel)
set(CPACK_PACKAGE_VENDOR "Quandrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sliding-block puzzle: bring the big block to the other side")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quandrel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quandrel)
set(CPACK_PACKAGE_EXECUTABLES quandrel Quandrel)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer, like the programs it installs.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME Quandrel)
set(CPACK_NSIS_WELCOME_TITLE "Quandrel ${PROJECT_VERSION}, for Windows 7 SP1 and later (64-bit)")
set(CPACK_NSIS_PACKAGE_NAME Quandrel)
set(CPACK_NSIS_INSTALLED_ICON_NAME quandrel.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/org.quandrel.quandrel.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/org.quandrel.quandrel.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# quandrel-<version>-win64-setup.exe and quandrel-<version>-win64.zip
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/platforms/windows-cpack-names.cmake)
include(CPack)
