# The include check refuses what it should and lets the rest pass: each case
# lays a small tree, runs the check on it, and compares the outcome.
#   cmake -DATW_CHECK=<CheckLayers.cmake> -DATW_WORK=<scratch folder> -P CheckLayersTest.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")
# case: name, expected outcome (PASS or FAIL), then pairs "file|include line".
function(atw_case name expected)
    set(top "${ATW_WORK}/${name}")
    file(REMOVE_RECURSE "${top}")
    foreach(entry IN LISTS ARGN)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 path)
        list(GET parts 1 line)
        file(APPEND "${top}/${path}" "${line}\n")
    endforeach()
    execute_process(COMMAND ${CMAKE_COMMAND} -DATW_SOURCE_DIR=${top} -P ${ATW_CHECK}
                    RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE err)
    if(code EQUAL 0)
        set(outcome PASS)
    else()
        set(outcome FAIL)
    endif()
    if(NOT outcome STREQUAL expected)
        set(failures "${failures}  ${name}: expected ${expected}, got ${outcome} ${err}\n" PARENT_SCOPE)
    endif()
endfunction()

atw_case(downward PASS
    "core/model/A.h|#pragma once"
    "editor/B.h|#include \"core/model/A.h\""
    "gui/tree/C.h|#include \"../../editor/B.h\""
    "app/D.cpp|#include \"gui/tree/C.h\""
    "cli/E.cpp|#include \"../core/model/A.h\""
    "core/io/F.h|#include <vector>")
atw_case(upward_from_core FAIL
    "core/model/A.h|#include \"editor/B.h\""
    "editor/B.h|#pragma once")
atw_case(upward_through_dotdot FAIL
    "core/model/A.h|#include \"../../editor/B.h\""
    "editor/B.h|#pragma once")
atw_case(dotdot_from_same_library_upward FAIL
    "editor/B.h|#include \"../gui/tree/C.h\""
    "gui/tree/C.h|#pragma once")
atw_case(cli_sees_no_editor FAIL
    "cli/E.cpp|#include \"editor/B.h\""
    "editor/B.h|#pragma once")
atw_case(nothing_includes_cli FAIL
    "core/model/A.h|#include \"../../cli/E.h\""
    "cli/E.h|#pragma once")
atw_case(widgets_stay_below FAIL
    "gui/widgets/W.h|#include \"../tree/C.h\""
    "gui/tree/C.h|#pragma once")
atw_case(folders_include_each_other FAIL
    "core/format/A.h|#include \"core/io/B.h\""
    "core/io/B.h|#include \"../format/A.h\"")

if(failures)
    message(FATAL_ERROR "The include check judged wrongly:\n${failures}")
endif()
message(STATUS "The include check judged every case rightly")
