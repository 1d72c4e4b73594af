# Refuses an #include that runs against the direction of the libraries:
#
#   core/*  <-  editor/  <-  gui/*  <-  app/
#
# and cli/ sits on the core alone. Every include is resolved to a file of the
# tree (from the including file's folder first, then from the top, so that
# "../" forms are caught as well as "core/..." ones) and judged by the folder
# it lands in. Besides the direction:
#   - gui/widgets, the controls every window uses, includes no other gui folder;
#   - no two folders include each other.
# Run as a script:
#   cmake -DATW_SOURCE_DIR=<source folder> [-DATW_STAMP=<file>] -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

# The library of a folder, lowest first; an empty answer is no library.
function(atw_layer_of folder out)
    if(folder MATCHES "^core(/|$)" OR folder MATCHES "^cli(/|$)")
        set(${out} 0 PARENT_SCOPE)
    elseif(folder MATCHES "^editor(/|$)")
        set(${out} 1 PARENT_SCOPE)
    elseif(folder MATCHES "^gui(/|$)")
        set(${out} 2 PARENT_SCOPE)
    elseif(folder MATCHES "^app(/|$)")
        set(${out} 3 PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

# The file an include names, relative to the top; empty when it is not one
# of the tree's (a system or Qt header).
function(atw_resolve source included out)
    get_filename_component(folder ${source} DIRECTORY)
    foreach(base IN ITEMS "${ATW_SOURCE_DIR}/${folder}" "${ATW_SOURCE_DIR}")
        get_filename_component(candidate "${base}/${included}" ABSOLUTE)
        if(EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}")
            file(RELATIVE_PATH relative "${ATW_SOURCE_DIR}" "${candidate}")
            set(${out} "${relative}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

# Why source's folder may not include target's; empty when it may.
function(atw_refusal folder target out)
    atw_layer_of("${folder}" own)
    atw_layer_of("${target}" theirs)
    set(why "")
    if(theirs STREQUAL "" OR own STREQUAL "")
    elseif(target MATCHES "^cli(/|$)" AND NOT folder MATCHES "^cli(/|$)")
        set(why "nothing includes the command-line tool")
    elseif(theirs GREATER own)
        set(why "a lower library includes a higher one")
    elseif(folder MATCHES "^cli(/|$)" AND NOT theirs EQUAL 0)
        set(why "the command-line tool sees the core only")
    elseif(folder STREQUAL "gui/widgets" AND target MATCHES "^gui/" AND NOT target STREQUAL "gui/widgets")
        set(why "gui/widgets includes no other gui folder")
    endif()
    set(${out} "${why}" PARENT_SCOPE)
endfunction()

set(refused "")
set(edges "")
file(GLOB_RECURSE sources RELATIVE ${ATW_SOURCE_DIR}
    ${ATW_SOURCE_DIR}/core/*.h ${ATW_SOURCE_DIR}/core/*.cpp
    ${ATW_SOURCE_DIR}/editor/*.h ${ATW_SOURCE_DIR}/editor/*.cpp
    ${ATW_SOURCE_DIR}/gui/*.h ${ATW_SOURCE_DIR}/gui/*.cpp
    ${ATW_SOURCE_DIR}/app/*.h ${ATW_SOURCE_DIR}/app/*.cpp
    ${ATW_SOURCE_DIR}/cli/*.h ${ATW_SOURCE_DIR}/cli/*.cpp)
foreach(source IN LISTS sources)
    get_filename_component(folder ${source} DIRECTORY)
    file(STRINGS ${ATW_SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
        atw_resolve(${source} "${included}" file)
        if(file STREQUAL "")
            continue()
        endif()
        get_filename_component(target "${file}" DIRECTORY)
        if(target STREQUAL folder)
            continue()
        endif()
        atw_refusal("${folder}" "${target}" why)
        if(why)
            string(APPEND refused "  ${source}: #include \"${included}\" (${why})\n")
        endif()
        list(APPEND edges "${folder}>${target}")
    endforeach()
endforeach()

list(REMOVE_DUPLICATES edges)
foreach(edge IN LISTS edges)
    string(REPLACE ">" ";" pair "${edge}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    list(FIND edges "${to}>${from}" back)
    if(back GREATER -1 AND from STRLESS to)
        string(APPEND refused "  ${from} and ${to} include each other\n")
    endif()
endforeach()

if(refused)
    message(FATAL_ERROR "Includes against the direction of the libraries "
        "(core <- editor <- gui <- app; cli on core):\n${refused}")
endif()
if(ATW_STAMP)
    file(TOUCH ${ATW_STAMP})
endif()
