# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Quorvex
#
# Compiler and linker flags for programs that read untrusted pages (the
# importer parses any HTML it is given), and for builds that come out the
# same wherever they are made.
#
# ATW_DPKG_BUILDFLAGS=ON takes the flags from dpkg-buildflags, as a Debian
# package build does (with every hardening feature, bindnow included).
# Otherwise a build that is not a Debug build gets the same protections:
# fortified C library calls, a strong stack protector, stack clash and
# control-flow protection, read-only relocations and immediate binding. Sanitizer builds keep their own instrumentation.
# Included from the root before any target is made.

option(ATW_DPKG_BUILDFLAGS "Take compiler and linker flags from dpkg-buildflags" OFF)

# Build paths never reach the binaries: debug information and __FILE__ name
# files relative to the source and the build folder, so that two builds in
# different folders give the same bytes.
# The build folder's map comes last, so that it wins where the build folder
# lies inside the source folder.
# ATW_PREFIX_MAP=OFF leaves the paths in, so that a compiler cache can share
# objects between checkouts in different folders.
option(ATW_PREFIX_MAP "Map the source and build folders out of the binaries" ON)
if(ATW_PREFIX_MAP)
    add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                        -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
endif()

# moc's generated files include the headers by a path relative to an include
# folder rather than to the build folder, whose depth would show in the debug
# information (and so in the build id).
set(CMAKE_AUTOMOC_PATH_PREFIX ON)

if(ATW_SANITIZE)
    return()
endif()

if(ATW_DPKG_BUILDFLAGS)
    find_program(ATW_DPKG_BUILDFLAGS_EXE dpkg-buildflags REQUIRED)
    foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${ATW_DPKG_BUILDFLAGS_EXE} --get ${kind}
            WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        if(kind STREQUAL "LDFLAGS")
            add_link_options(${flags})
        else()
            add_compile_options(${flags})
        endif()
    endforeach()
    message(STATUS "Compiler and linker flags from dpkg-buildflags")
    return()
endif()

set(release "$<NOT:$<CONFIG:Debug>>")
add_compile_options("$<${release}:-D_FORTIFY_SOURCE=2>" "$<${release}:-fstack-protector-strong>")
add_link_options("$<${release}:LINKER:-z,relro,-z,now>")
# What dpkg-buildflags adds with every hardening feature, where the compiler
# has it: stack clash protection and control-flow protection (x86).
include(CheckCXXCompilerFlag)
foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "ATW_HAVE${flag}" have)
    check_cxx_compiler_flag(${flag} ${have})
    if(${have})
        add_compile_options("$<${release}:${flag}>")
    endif()
endforeach()
