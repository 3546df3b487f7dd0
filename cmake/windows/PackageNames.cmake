# Read by CPack once per generator: the zip and the installer are named for what they are.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME barkmoor-${CPACK_PACKAGE_VERSION}-win64)
else()
  set(CPACK_PACKAGE_FILE_NAME barkmoor-${CPACK_PACKAGE_VERSION}-setup)
endif()
