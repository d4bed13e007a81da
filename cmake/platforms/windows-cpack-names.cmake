# File names of the Windows packages, by generator.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "quandrel-${CPACK_PACKAGE_VERSION}-win64-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "quandrel-${CPACK_PACKAGE_VERSION}-win64")
endif()
