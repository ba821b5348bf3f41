# Include roots: each library's headers are seen only through a folder of the build tree
# that holds links to that library's own headers, under their path from src/
# (include-roots/payvanta_ui/ui/main_form.h). A library gets its own root and, through
# what it links, the roots of the layers it may use; a header of a layer above it, or of
# a library it does not link, is not found and the include fails to build. A header is
# seen once it is listed among its library's sources.
function(payvanta_include_root target)
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.h$")
    get_target_property(folder ${target} SOURCE_DIR)
    cmake_path(RELATIVE_PATH folder BASE_DIRECTORY ${PROJECT_SOURCE_DIR}/src OUTPUT_VARIABLE layer)
    set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${layer})
    foreach(header IN LISTS sources)
        file(CREATE_LINK ${folder}/${header} ${root}/${layer}/${header} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
