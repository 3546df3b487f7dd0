# Included from the top-level CMakeLists.txt after the install rules on Windows: the Qt
# plugins the game loads, the DLLs they all import, and CPack's zip and installer of that tree.

# Qt finds its plugins in these folders beside the program.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms
        COMPONENT Runtime)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles COMPONENT Runtime)

# The DLLs come from the cross-built Qt and the compiler; Windows itself provides the rest.
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  get_filename_component(folder ${found} DIRECTORY)
  list(APPEND barkmoor_dll_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES barkmoor_dll_folders)
# Windows' own DLLs that the game and Qt import: every one is part of Windows 10 itself. Any
# other DLL that is not shipped (a Visual C++ runtime, say) fails the install.
set(BARKMOOR_SYSTEM_DLLS
    advapi32.dll authz.dll comdlg32.dll d3d11.dll d3d9.dll dwmapi.dll dwrite.dll dxgi.dll
    gdi32.dll imm32.dll kernel32.dll mpr.dll msvcrt.dll netapi32.dll ole32.dll oleaut32.dll
    shcore.dll shell32.dll shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll
    ws2_32.dll wtsapi32.dll)
get_filename_component(qt_prefix ${Qt6_DIR}/../../.. ABSOLUTE)  # from lib/cmake/Qt6
set(qt_notices ${qt_prefix}/share/doc/qt6-base)
if(NOT EXISTS ${qt_notices}/copyright)
  message(FATAL_ERROR "The Qt in ${qt_prefix} carries no licence texts in ${qt_notices}: "
                      "build it with tools/windows/build.sh")
endif()
install(CODE "
  set(dll_folders \"$<TARGET_FILE_DIR:Qt6::Core>;${barkmoor_dll_folders}\")
  set(links_folder \"${PROJECT_BINARY_DIR}/runtime-dlls\")
  set(system_dlls \"${BARKMOOR_SYSTEM_DLLS}\")
  set(objdump \"${CMAKE_OBJDUMP}\")
  set(strip \"${CMAKE_STRIP}\")
  set(qt_notices \"${qt_notices}\")
  set(binaries barkmoor.exe platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>
      styles/$<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin>)
  include(\"${CMAKE_CURRENT_LIST_DIR}/InstallRuntime.cmake\")" COMPONENT Runtime)

# The licence folder's guide: what covers which DLL, and where Qt's source is and how to
# rebuild it. The installer shows it as its licence page.
file(STRINGS ${qt_notices}/source-version BARKMOOR_QT_SOURCE_VERSION LIMIT_COUNT 1)
file(STRINGS ${qt_notices}/options options)
set(BARKMOOR_QT_OPTIONS)
set(line)
foreach(option IN LISTS options)  # a few to a line
  string(LENGTH "${line} ${option}" length)
  if(line AND length GREATER 86)
    string(STRIP "${line}" line)
    string(APPEND BARKMOOR_QT_OPTIONS "${line}\n    ")
    set(line)
  endif()
  string(APPEND line "${option} ")
endforeach()
string(STRIP "${BARKMOOR_QT_OPTIONS}${line}" BARKMOOR_QT_OPTIONS)
file(GLOB BARKMOOR_QT_PATCHES ${qt_notices}/*.patch)
set(BARKMOOR_QT_PATCH_NAMES)
foreach(patch IN LISTS BARKMOOR_QT_PATCHES)
  get_filename_component(name ${patch} NAME)
  string(APPEND BARKMOOR_QT_PATCH_NAMES "    ${name}\n")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/licences.txt.in ${PROJECT_BINARY_DIR}/licences/README.txt @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/licences/README.txt ${BARKMOOR_QT_PATCHES} DESTINATION licences
        COMPONENT Runtime)

set(CPACK_GENERATOR ZIP NSIS64)
# The values reach CPack as written: the installer's lines below hold ${...} of their own.
set(CPACK_VERBATIM_VARIABLES ON)
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
# Qt 6.4 runs on Windows 10 1809 (build 17763) or later: an older Windows is turned away
# before the first page, or in a silent install before the first file is copied.
set(CPACK_NSIS_DEFINES "Target amd64-unicode
!include WinVer.nsh
Function BarkmoorCheckWindows
  \${IfNot} \${AtLeastBuild} 17763
    MessageBox MB_OK|MB_ICONSTOP \"Barkmoor needs 64-bit Windows 10, version 1809 or later, or Windows 11.\" /SD IDOK
    SetOutPath $TEMP
    RMDir $INSTDIR
    SetErrorLevel 2
    Quit
  \${EndIf}
FunctionEnd
!define MUI_PAGE_CUSTOMFUNCTION_PRE BarkmoorCheckWindows")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "Call BarkmoorCheckWindows")
set(CPACK_NSIS_UNINSTALL_NAME uninstall)
set(CPACK_PACKAGE_EXECUTABLES barkmoor Barkmoor)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME barkmoor.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/barkmoor.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/res/barkmoor.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/licences/README.txt)
set(CPACK_NSIS_EXECUTABLE makensis)
include(CPack)
