# The layers, lowest first: runtime <- tariff <- ratetable <- startup <- form, then one face on
# top (the Qt window, the Win32 window, the page). A layer may include its own headers and those
# of the layers it links, and nothing else: no higher layer, no sideways one (a face never
# another's).
#
# The build keeps to that on its own: no target sees src/ as a whole. Each layer publishes an
# include root of its own, build/layers/<folder>/, that holds just one entry, <folder>, a link to
# its source folder. "runtime/message.h" therefore resolves only in targets that link the
# runtime layer, and a tariff source that reached for "ratetable/..." would fail to compile.

# Makes `target`, built from the sources in the current directory, the layer named after that
# directory, and links the layers below it that it uses.
#   tolvane_add_layer(target SOURCES file... [PUBLIC lib...] [PRIVATE lib...])
# PUBLIC names what the layer's own headers include, PRIVATE what only its sources use.
function(tolvane_add_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;PUBLIC;PRIVATE")
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${PROJECT_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)

    add_library(${target} STATIC ${arg_SOURCES})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
    target_compile_features(${target} PUBLIC cxx_std_20)
    # Results must be bit-exact IEEE doubles: never fuse a multiply and an add. Public, so that
    # whatever inlines a layer's headers keeps the same rule.
    target_compile_options(${target} PUBLIC -ffp-contract=off)
endfunction()
