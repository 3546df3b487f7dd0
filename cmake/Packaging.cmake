# The command link and the Debian package (cpack -G DEB in the build folder).
# Included from the top-level CMakeLists.txt after the install rules on Linux.

# Installs a relative symbolic link named barkmoor in dir that points to the installed
# program; extra arguments go to install() (EXCLUDE_FROM_ALL for the package's own link).
function(barkmoor_install_command dir component)
  foreach(var dir BARKMOOR_PROGRAM_DIR)
    set(full ${${var}})
    if(NOT IS_ABSOLUTE "${full}")
      set(full "${CMAKE_INSTALL_PREFIX}/${full}")
    endif()
    set(${var}_full "${full}")
  endforeach()
  file(RELATIVE_PATH target "${dir_full}" "${BARKMOOR_PROGRAM_DIR_full}/barkmoor")
  set(link "${PROJECT_BINARY_DIR}/command/${component}/barkmoor")
  file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/command/${component}")
  file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
  install(FILES "${link}" DESTINATION "${dir}" COMPONENT ${component} ${ARGN})
endfunction()

# Fills the version into source and compresses it into the build folder as the manual and
# changelog are shipped: best compression and no time stamp, so the same text always gives
# the same bytes.
function(barkmoor_gzip source output)
  string(REGEX REPLACE "[.]gz$" "" text ${output})
  configure_file(${source} ${text} @ONLY)
  execute_process(COMMAND gzip -9nc INPUT_FILE ${text} OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# Debian puts a game's command in /usr/games and wants a copyright file and a changelog
# in the package's doc folder.
barkmoor_install_command(games DebianCommand EXCLUDE_FROM_ALL)
set(BARKMOOR_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/cmake/debian)
barkmoor_gzip(${BARKMOOR_DEBIAN_DIR}/changelog ${PROJECT_BINARY_DIR}/debian/changelog.gz)
install(FILES ${BARKMOOR_DEBIAN_DIR}/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/barkmoor COMPONENT DebianDoc EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME barkmoor)
set(CPACK_PACKAGE_VERSION ${BARKMOOR_VERSION})
set(CPACK_PACKAGE_VENDOR "The Barkmoor developers")
set(CPACK_PACKAGE_CONTACT "The Barkmoor developers <barkmoor@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://barkmoor.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trading game: a dog in a coat full of pockets")
set(CPACK_PACKAGE_DESCRIPTION
    "A small dog sets out with $2000 in cash and a $5500 debt to Top Dog, a loan
shark. Over 31 days, or 15 for a quick game, it trots between seven places,
buying dog goods where they are cheap and selling them where they fetch more,
while prices change daily, the bank keeps its savings and the Dog Catcher
lies in wait. Cash and savings less the debt make the score.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# One package from three install components: the game, its link in games/ and the doc files.
set(CPACK_INSTALL_CMAKE_PROJECTS
    ${PROJECT_BINARY_DIR} Barkmoor Runtime /
    ${PROJECT_BINARY_DIR} Barkmoor DebianCommand /
    ${PROJECT_BINARY_DIR} Barkmoor DebianDoc /)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-liberation")
include(CPack)
