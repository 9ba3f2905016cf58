# brindlex_include_root(TARGET)
#
# Gives TARGET an include folder of its own in the build tree that shows the
# headers of the source folder it is defined in, and nothing else:
# build/include/TARGET/core/Game.h links to core/Game.h. So "core/Game.h"
# resolves for TARGET and for whatever links it, while the headers of every
# other folder stay out of reach: a library that includes a header of one it
# does not link (of a layer above, say) fails to compile.
function(brindlex_include_root target)
    file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(NOT headers)
        message(FATAL_ERROR "${target}: ${folder} holds no header to show")
    endif()
    # Made afresh, so that a header removed from the source is gone here too.
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header ${headers})
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()

    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        target_include_directories(${target} PRIVATE ${root})
    elseif(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
