# The program reads table.csv from its own directory: give a target's build directory a copy.
function(tolvane_copy_table_beside target)
    set(source ${TOLVANE_SHIPPED_TABLE})
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/table.csv)
    add_custom_command(OUTPUT ${copy}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${copy}
        DEPENDS ${source}
        COMMENT "Copying table.csv beside ${target}")
    add_custom_target(${target}_table ALL DEPENDS ${copy})
    add_dependencies(${target} ${target}_table)
endfunction()
