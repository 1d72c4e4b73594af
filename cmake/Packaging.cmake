# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Quorvex
#
# Installation in the usual places of a Debian system, and the two .debs that
# CPack builds from the same rules (scripts/setup.sh package):
#   bin/                                  AppletTavelinWizard, atw
#   lib/applettavelinwizard/plugins/      the Live Preview's browser engine plug-in,
#                                         loaded by the editor when the pane shows
#                                         (package applettavelinwizard-live-preview),
#                                         and the sound plug-in, loaded at the first
#                                         sound played
#   share/applettavelinwizard/            the shipped data (template file, samples,
#                                         help, tavelin.js); read only: help and
#                                         samples are read here, each user works
#                                         in a copy of the template file and script;
#                                         translations/ the editor's (atw_LANG.qm)
#   share/applications/, share/metainfo/  desktop entry and AppStream data
#   share/mime/packages/                  the project file's MIME type (.tvx)
#   share/icons/hicolor/                  the icon: SVG plus PNGs rendered here
#   share/man/man1/                       both manual pages, compressed
#   share/bash-completion/completions/    atw's completion
#   share/doc/PACKAGE/                    copyright and Debian changelog, per package
#   share/lintian/overrides/              lintian's overrides, each with its reason
# Everything belongs to the component "editor" (the package applettavelinwizard)
# but the browser engine's plug-in, whose component "preview" gui/CMakeLists.txt
# names.
# Included from the root after the targets exist.

set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME editor)

set(ATW_PKG_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(ATW_STAGE_DIR ${CMAKE_BINARY_DIR}/packaging)
set(ATW_ICON_NAME applettavelinwizard)
set(ATW_APPSTREAM_ID com.quorvex.AppletTavelinWizard)

# --- programs and shipped data -------------------------------------------------
foreach(program IN ITEMS atw AppletTavelinWizard)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()
# The programs look for this folder at ../share/applettavelinwizard from bin/.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/applettavelinwizard
    PATTERN ".keep" EXCLUDE PATTERN "*.desktop" EXCLUDE)
install(FILES ${ATW_RUNTIME_SCRIPT} DESTINATION ${CMAKE_INSTALL_DATADIR}/applettavelinwizard)
install(FILES ${ATW_PKG_DIR}/bash-completion/atw
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# --- manual pages, compressed as Debian wants them --------------------------------
set(ATW_MAN_PAGES atw.1)
if(TARGET AppletTavelinWizard)
    list(APPEND ATW_MAN_PAGES AppletTavelinWizard.1)
endif()
find_program(ATW_GZIP gzip)
set(ATW_MAN_FILES)
foreach(page IN LISTS ATW_MAN_PAGES)
    if(ATW_GZIP)
        set(out ${ATW_STAGE_DIR}/man/${page}.gz)
        add_custom_command(OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${ATW_STAGE_DIR}/man
            COMMAND ${ATW_GZIP} -9 -n -c ${ATW_PKG_DIR}/man/${page} > ${out}
            DEPENDS ${ATW_PKG_DIR}/man/${page} VERBATIM)
        list(APPEND ATW_MAN_FILES ${out})
    else()
        list(APPEND ATW_MAN_FILES ${ATW_PKG_DIR}/man/${page})
    endif()
endforeach()
add_custom_target(atw_man ALL DEPENDS ${ATW_MAN_FILES})
install(FILES ${ATW_MAN_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# --- desktop entry, AppStream data, MIME type and icons (with the editor) ----------
if(TARGET AppletTavelinWizard)
    install(FILES ${CMAKE_SOURCE_DIR}/data/applettavelinwizard.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ATW_PKG_DIR}/applettavelinwizard.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    install(FILES ${ATW_PKG_DIR}/${ATW_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    set(svg ${CMAKE_SOURCE_DIR}/res/app/${ATW_ICON_NAME}.svg)
    install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    find_program(ATW_RSVG_CONVERT rsvg-convert)
    if(ATW_RSVG_CONVERT)
        set(pngs)
        foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
            set(dir ${ATW_STAGE_DIR}/icons/${size}x${size}/apps)
            add_custom_command(OUTPUT ${dir}/${ATW_ICON_NAME}.png
                COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                COMMAND ${ATW_RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/${ATW_ICON_NAME}.png ${svg}
                DEPENDS ${svg} VERBATIM)
            list(APPEND pngs ${dir}/${ATW_ICON_NAME}.png)
        endforeach()
        add_custom_target(atw_icons ALL DEPENDS ${pngs})
        install(DIRECTORY ${ATW_STAGE_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    else()
        message(STATUS "rsvg-convert not found (librsvg2-bin): only the scalable icon is installed")
    endif()
endif()

# --- copyright, changelog and lintian overrides, in every package -----------------
set(ATW_PACKAGE editor applettavelinwizard)
if(TARGET atwwebpreview)
    list(APPEND ATW_PACKAGE preview applettavelinwizard-live-preview)
endif()
set(ATW_CHANGELOG ${ATW_STAGE_DIR}/changelog.Debian.gz)
if(ATW_GZIP)
    add_custom_command(OUTPUT ${ATW_CHANGELOG}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ATW_STAGE_DIR}
        COMMAND ${ATW_GZIP} -9 -n -c ${CMAKE_SOURCE_DIR}/debian/changelog > ${ATW_CHANGELOG}
        DEPENDS ${CMAKE_SOURCE_DIR}/debian/changelog VERBATIM)
    add_custom_target(atw_changelog ALL DEPENDS ${ATW_CHANGELOG})
endif()
set(ATW_DEB_COMPONENTS)
while(ATW_PACKAGE)
    list(POP_FRONT ATW_PACKAGE component package)
    list(APPEND ATW_DEB_COMPONENTS ${component})
    string(TOUPPER ${component} upper)
    set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
    install(FILES ${CMAKE_SOURCE_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
    if(ATW_GZIP)
        install(FILES ${ATW_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
    endif()
    if(EXISTS ${ATW_PKG_DIR}/lintian/${package})
        install(FILES ${ATW_PKG_DIR}/lintian/${package}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT ${component})
    endif()
endwhile()

# --- what Debian's strip drops and CPack's keeps ----------------------------------
# CPack strips the symbols (CPACK_STRIP_FILES); the compiler's .comment section
# goes as well, as dh_strip drops it.
function(atw_drop_comment file component)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${file}\" COMMAND_ERROR_IS_FATAL ANY)
    endif()" COMPONENT ${component})
endfunction()
foreach(program IN ITEMS atw AppletTavelinWizard)
    if(TARGET ${program})
        atw_drop_comment(${CMAKE_INSTALL_BINDIR}/${program} editor)
    endif()
endforeach()
if(TARGET atwwebpreview)
    atw_drop_comment(lib/applettavelinwizard/plugins/$<TARGET_FILE_NAME:atwwebpreview> preview)
endif()
if(TARGET atwsound)
    atw_drop_comment(lib/applettavelinwizard/plugins/$<TARGET_FILE_NAME:atwsound> editor)
endif()

# --- the .debs --------------------------------------------------------------------
# applettavelinwizard: the editor, atw and the data. Depends: dpkg-shlibdeps
# adds the package of every library the programs link; ATW_DEB_DEPENDS names
# what is loaded at run time instead. An optional part appends its run-time
# packages with list(APPEND ATW_DEB_DEPENDS ...) before this file is included,
# or in the list below.
# applettavelinwizard-live-preview: the plug-in alone, whose libraries bring
# Qt WebEngine; the editor recommends it and says how to get it when missing.
list(APPEND ATW_DEB_DEPENDS
    "qt6-qpa-plugins"  # Qt's platform plugins: the editor cannot open a window without them
    # the WebP reader, for the media dialog's thumbnails of WebP pictures (SVG
    # ones come with libqt6svg6, which the editor links)
    "qt6-image-formats-plugins")
list(REMOVE_DUPLICATES ATW_DEB_DEPENDS)
list(JOIN ATW_DEB_DEPENDS ", " CPACK_DEBIAN_EDITOR_PACKAGE_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${ATW_DEB_COMPONENTS})
set(CPACK_PACKAGE_NAME applettavelinwizard)
set(CPACK_PACKAGE_VENDOR Quorvex)
set(CPACK_PACKAGE_CONTACT "Quorvex <packages@quorvex.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quorvex.example/tavelina")
# Each package's first description line is its synopsis.
set(CPACK_DEBIAN_EDITOR_DESCRIPTION
    "editor for multi-level sliding menus of web pages
A desktop editor in which a web author builds multi-level sliding menus without
writing code, styles them in property sheets, previews them in a browser and
saves them as HTML pages with a project file. The command-line tool atw works
with saved projects and templates from a shell.
.
The Live Preview pane, which draws the menu beside the tree as it is edited,
comes in the package applettavelinwizard-live-preview.")
set(CPACK_DEBIAN_PREVIEW_DESCRIPTION
    "Live Preview pane for Applet Tavelina Wizard
The browser engine of Applet Tavelina Wizard's Live Preview pane, which shows
the page being edited beside the menu tree and follows every change. It is a
plug-in that the editor loads when the pane is first shown; it brings Qt
WebEngine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_EDITOR_PACKAGE_SUGGESTS "www-browser")
# Qt's own translations: the texts of Qt's dialogs in the editor's languages.
set(CPACK_DEBIAN_EDITOR_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
if(TARGET atwwebpreview)
    string(APPEND CPACK_DEBIAN_EDITOR_PACKAGE_RECOMMENDS ", applettavelinwizard-live-preview")
    set(CPACK_DEBIAN_PREVIEW_PACKAGE_DEPENDS
        "applettavelinwizard (= ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Packing at another time gives the same bytes: SOURCE_DATE_EPOCH, when the
# environment does not set it, is the date of the changelog's last entry.
file(STRINGS ${CMAKE_SOURCE_DIR}/debian/changelog trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^.*>  " "" stamp "${trailer}")
execute_process(COMMAND date -u -d "${stamp}" +%s OUTPUT_VARIABLE ATW_SOURCE_DATE_EPOCH
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
if(failed OR NOT ATW_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "debian/changelog: no date in its last entry's trailer (${trailer})")
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/CPackProjectConfig.cmake.in
               ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake)
include(CPack)
