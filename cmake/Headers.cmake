# plivant_headers(target [AS prefix] [HEADERS header...] [EXCEPT header...])
#
# Gives a library target an include folder of its own in the build tree, build/include/<target>,
# that holds its headers alone under `prefix` (by default the name of the folder of its sources):
# `#include "<prefix>/X.h"` then resolves in the targets that link it and nowhere else, so an
# include of a target one does not link fails to compile with "No such file or directory".
# Nothing of the project sees the source tree as a whole.
#
# A folder whose headers all belong to the target is linked as a whole. Where a folder holds two
# targets, each lists its HEADERS, or takes every header of the folder EXCEPT those of the other;
# each of those headers is then linked one by one.
function(plivant_headers target)
    cmake_parse_arguments(H "" "AS" "HEADERS;EXCEPT" ${ARGN})
    if(NOT H_AS)
        get_filename_component(H_AS ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    endif()
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    set(folder ${root}/${H_AS})
    get_filename_component(parent ${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(H_EXCEPT)
        file(GLOB H_HEADERS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS *.h)
        list(REMOVE_ITEM H_HEADERS ${H_EXCEPT})
    endif()
    if(H_HEADERS)
        # Links of headers no longer listed go; a link of the folder as a whole as well.
        if(IS_SYMLINK ${folder})
            file(REMOVE ${folder})
        endif()
        file(MAKE_DIRECTORY ${folder})
        file(GLOB stale LIST_DIRECTORIES true ${folder}/*)
        if(stale)
            file(REMOVE ${stale})
        endif()
        foreach(header ${H_HEADERS})
            file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${folder}/${header} SYMBOLIC)
        endforeach()
    else()
        if(IS_DIRECTORY ${folder} AND NOT IS_SYMLINK ${folder})
            # A folder of links from an earlier layout: the links go, then the emptied folder.
            file(GLOB stale LIST_DIRECTORIES true ${folder}/*)
            if(stale)
                file(REMOVE ${stale})
            endif()
            file(REMOVE_RECURSE ${folder})
        endif()
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${folder} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
