# Refuses an #include that runs against the direction of the layers:
#
#   core (model/, codec/, templates/)  <-  editor/  <-  ui/, props/, templates/dialogs/  <-  app/
#
# and cli/ sits on the core alone. Each folder may include its own layer and
# the layers below it, never one above. Run as a script:
#   cmake -DATW_SOURCE_DIR=<source folder> [-DATW_STAMP=<file>] -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

# The layer of a folder, lowest first; an empty answer is no layer.
function(atw_layer_of folder out)
    if(folder MATCHES "^(model|codec|templates)$")
        set(${out} 0 PARENT_SCOPE)
    elseif(folder STREQUAL "editor")
        set(${out} 1 PARENT_SCOPE)
    elseif(folder MATCHES "^(ui|ui/preview|props|templates/dialogs)$")
        set(${out} 2 PARENT_SCOPE)
    elseif(folder STREQUAL "app")
        set(${out} 3 PARENT_SCOPE)
    elseif(folder STREQUAL "cli")
        # The command-line tool sees the core only.
        set(${out} 0 PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

set(refused "")
file(GLOB_RECURSE sources RELATIVE ${ATW_SOURCE_DIR}
    ${ATW_SOURCE_DIR}/model/*.h ${ATW_SOURCE_DIR}/model/*.cpp
    ${ATW_SOURCE_DIR}/codec/*.h ${ATW_SOURCE_DIR}/codec/*.cpp
    ${ATW_SOURCE_DIR}/templates/*.h ${ATW_SOURCE_DIR}/templates/*.cpp
    ${ATW_SOURCE_DIR}/editor/*.h ${ATW_SOURCE_DIR}/editor/*.cpp
    ${ATW_SOURCE_DIR}/ui/*.h ${ATW_SOURCE_DIR}/ui/*.cpp
    ${ATW_SOURCE_DIR}/ui/preview/*.h ${ATW_SOURCE_DIR}/ui/preview/*.cpp
    ${ATW_SOURCE_DIR}/props/*.h ${ATW_SOURCE_DIR}/props/*.cpp
    ${ATW_SOURCE_DIR}/app/*.h ${ATW_SOURCE_DIR}/app/*.cpp
    ${ATW_SOURCE_DIR}/cli/*.h ${ATW_SOURCE_DIR}/cli/*.cpp)
foreach(source IN LISTS sources)
    get_filename_component(folder ${source} DIRECTORY)
    atw_layer_of("${folder}" own)
    if(own STREQUAL "")
        continue()
    endif()
    file(STRINGS ${ATW_SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
        # A bare name is a file of the same folder.
        if(NOT included MATCHES "/")
            continue()
        endif()
        get_filename_component(target ${included} DIRECTORY)
        atw_layer_of("${target}" theirs)
        if(theirs STREQUAL "")
            continue()
        endif()
        set(bad FALSE)
        if(theirs GREATER own)
            set(bad TRUE)
        elseif(folder STREQUAL "cli" AND NOT theirs EQUAL 0)
            set(bad TRUE)
        elseif(own EQUAL 0 AND target STREQUAL "cli")
            set(bad TRUE)
        endif()
        if(bad)
            string(APPEND refused "  ${source}: #include \"${included}\"\n")
        endif()
    endforeach()
endforeach()

if(refused)
    message(FATAL_ERROR "Includes against the direction of the layers "
        "(core <- editor <- ui/props/templates/dialogs <- app):\n${refused}")
endif()
if(ATW_STAMP)
    file(TOUCH ${ATW_STAMP})
endif()
