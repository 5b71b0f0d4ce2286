# Removes what the last install from a build tree put in place, as that tree's install manifest
# lists it, then the program's own directories (those named tolvane) if that left them empty.
# Other directories stay, even empty: they may be shared, like share/man/man1.
#   cmake -D MANIFEST=build-app/install_manifest.txt -P cmake/Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "No ${MANIFEST}: uninstall from the build tree that installed, before "
        "it is cleaned")
endif()
file(STRINGS "${MANIFEST}" installed)
set(own_directories "")
foreach(file IN LISTS installed)
    if(EXISTS "${file}" OR IS_SYMLINK "${file}")
        message(STATUS "Removing ${file}")
        file(REMOVE "${file}")
    endif()
    get_filename_component(directory "${file}" DIRECTORY)
    get_filename_component(name "${directory}" NAME)
    if(name STREQUAL "tolvane")
        list(APPEND own_directories "${directory}")
    endif()
endforeach()
list(REMOVE_DUPLICATES own_directories)
foreach(directory IN LISTS own_directories)
    file(GLOB left LIST_DIRECTORIES true "${directory}/*" "${directory}/.*")
    if(IS_DIRECTORY "${directory}" AND NOT left)
        file(REMOVE_RECURSE "${directory}")
    endif()
endforeach()
