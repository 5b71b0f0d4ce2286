# Compresses a file of the current source directory the way Debian ships manual pages and
# changelogs: gzip -9, with no name or time stamp in the header, so the same input always gives
# the same bytes. Sets output_var to the compressed file in the build tree.
#   tolvane_gzip(source output_var)
function(tolvane_gzip source output_var)
    find_program(GZIP gzip REQUIRED)
    get_filename_component(name ${source} NAME)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/gzip/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${copy}
        COMMAND ${GZIP} -9nf ${copy}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
    add_custom_target(gzip_${name} ALL DEPENDS ${copy}.gz)
    # Built with the program, so that a build of the program alone (the app preset) installs.
    add_dependencies(tolvane gzip_${name})
    set(${output_var} ${copy}.gz PARENT_SCOPE)
endfunction()
