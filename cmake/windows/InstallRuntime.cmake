# Run at install time: copies beside the program every DLL that the installed binaries need,
# found by CMake's own walk of their imports through dll_folders, strips each copy once, and
# copies the notices of everything shipped. A DLL that is neither found there nor one of
# Windows' own (system_dlls, or an API set) fails the install, and so does a shipped DLL
# without a notice.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(shipped ${binaries})
list(POP_FRONT shipped program)  # the plugins stay: shipped DLLs as much as the ones found
list(TRANSFORM shipped PREPEND "${root}/" OUTPUT_VARIABLE plugins)

# CMake 3.25 looks a PE import up by its lowercased name, which a case-sensitive file system
# does not find (Qt6Core.dll): the search runs through a folder of lowercase links instead.
set(links "${links_folder}")
file(REMOVE_RECURSE "${links}")
file(MAKE_DIRECTORY "${links}")
foreach(folder IN LISTS dll_folders)
  file(GLOB dlls "${folder}/*.dll")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" name)
    if(NOT EXISTS "${links}/${name}")
      file(CREATE_LINK "${dll}" "${links}/${name}" SYMBOLIC)
    endif()
  endforeach()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${objdump}")
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${root}/${program}" LIBRARIES ${plugins}
     DIRECTORIES "${links}"
     RESOLVED_DEPENDENCIES_VAR found UNRESOLVED_DEPENDENCIES_VAR unresolved)
foreach(dll IN LISTS unresolved)
  string(TOLOWER "${dll}" key)
  list(FIND system_dlls "${key}" system)
  if(system EQUAL -1 AND NOT key MATCHES "^(api|ext)-ms-")  # the loader maps API sets itself
    message(FATAL_ERROR "The game needs ${dll}, which is neither in ${dll_folders} nor one of "
                        "Windows' own DLLs")
  endif()
endforeach()

foreach(link IN LISTS found)
  file(REAL_PATH "${link}" dll)
  get_filename_component(name "${dll}" NAME)
  message(STATUS "Installing: ${root}/${name}")
  file(COPY "${dll}" DESTINATION "${root}")
  list(APPEND shipped "${name}")
endforeach()
if(CMAKE_INSTALL_DO_STRIP)  # the program itself is stripped by its own install rule
  foreach(binary IN LISTS shipped)
    execute_process(COMMAND "${strip}" "${root}/${binary}" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()

# Each DLL shipped is named in the notices' table with the texts that cover it.
include("${CMAKE_CURRENT_LIST_DIR}/Notices.cmake")
file(MAKE_DIRECTORY "${root}/licences")
foreach(binary IN LISTS shipped)
  get_filename_component(name "${binary}" NAME)
  string(TOLOWER "${name}" key)
  if(NOT DEFINED "notices_${key}")
    message(FATAL_ERROR "${binary} is shipped without a notice: name it in Notices.cmake")
  endif()
  foreach(notice IN LISTS "notices_${key}")
    file(COPY_FILE "${notice_${notice}}" "${root}/licences/${notice}")
  endforeach()
endforeach()
