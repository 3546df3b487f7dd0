# Included from the top-level CMakeLists.txt after the install rules on Windows: the Qt
# plugins the game loads, the DLLs they all import, and CPack's zip and installer of that tree.

# Qt finds its plugins in these folders beside the program.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms
        COMPONENT Runtime)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles COMPONENT Runtime)

# The DLLs come from the cross-built Qt and the compiler; Windows itself provides the rest,
# which are the DLLs Wine ships as its own.
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  get_filename_component(folder ${found} DIRECTORY)
  list(APPEND barkmoor_dll_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES barkmoor_dll_folders)
find_program(BARKMOOR_OBJDUMP x86_64-w64-mingw32-objdump REQUIRED)
find_program(BARKMOOR_STRIP x86_64-w64-mingw32-strip REQUIRED)
set(CMAKE_STRIP ${BARKMOOR_STRIP} CACHE FILEPATH "" FORCE)
set(BARKMOOR_SYSTEM_DLL_FOLDER /usr/lib/x86_64-linux-gnu/wine/x86_64-windows
    CACHE PATH "Windows' own DLLs, which the game does not carry")
install(CODE "
  set(dll_folders \"$<TARGET_FILE_DIR:Qt6::Core>;${barkmoor_dll_folders}\")
  set(system_dll_folder \"${BARKMOOR_SYSTEM_DLL_FOLDER}\")
  set(objdump \"${BARKMOOR_OBJDUMP}\")
  set(strip \"${BARKMOOR_STRIP}\")
  set(binaries barkmoor.exe platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>
      styles/$<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin>)
  include(\"${CMAKE_CURRENT_LIST_DIR}/InstallImports.cmake\")" COMPONENT Runtime)

set(CPACK_GENERATOR ZIP NSIS64)
set(CPACK_PACKAGE_NAME barkmoor)
set(CPACK_PACKAGE_VERSION ${BARKMOOR_VERSION})
set(CPACK_PACKAGE_VENDOR "The Barkmoor developers")
set(CPACK_SYSTEM_NAME win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS ${PROJECT_BINARY_DIR} Barkmoor Runtime /)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageNames.cmake)
# The zip unpacks to the game's files themselves, as it always has.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

# A 64-bit installer for a 64-bit game (and for a Wine without 32-bit support): the program
# folder, a Start-menu shortcut, and an uninstaller under installed programs that removes
# exactly what was installed.
set(CPACK_NSIS_PACKAGE_NAME Barkmoor)
set(CPACK_NSIS_DISPLAY_NAME Barkmoor)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Barkmoor)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Barkmoor)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_UNINSTALL_NAME uninstall)
set(CPACK_PACKAGE_EXECUTABLES barkmoor Barkmoor)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME barkmoor.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/barkmoor.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/barkmoor.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_EXECUTABLE makensis)
include(CPack)
