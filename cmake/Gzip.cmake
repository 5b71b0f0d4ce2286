# Compresses a file of the current source directory (or one named by its full path, such as a
# document configured into the build tree) the way Debian ships manual pages and
# changelogs: gzip -9, with no name or time stamp in the header, so the same input always gives
# the same bytes. Sets output_var to the compressed file in the build tree.
#   tolvane_gzip(source output_var)
function(tolvane_gzip source output_var)
    find_program(GZIP gzip REQUIRED)
    if(NOT IS_ABSOLUTE ${source})
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/${source})
    endif()
    get_filename_component(name ${source} NAME)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/gzip/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${GZIP} -9nf ${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
    add_custom_target(gzip_${name} ALL DEPENDS ${copy}.gz)
    # Built with the program, so that a build of the program alone (the app preset) installs.
    add_dependencies(tolvane gzip_${name})
    set(${output_var} ${copy}.gz PARENT_SCOPE)
endfunction()
