# Installation in the usual places of a Debian system, and the .deb that
# CPack builds from the same rules (scripts/setup.sh package):
#   bin/                                  AppletTavelinWizard, atw
#   lib/applettavelinwizard/              the Live Preview's browser engine plug-in,
#                                         loaded by the editor when the pane shows
#   share/applettavelinwizard/            the shipped data (template file, samples,
#                                         help, tavelin.js); read only, each user
#                                         works in a copy of it
#   share/applications/, share/metainfo/  desktop entry and AppStream data
#   share/icons/hicolor/                  the icon: SVG plus PNGs rendered here
#   share/man/man1/                       both manual pages, compressed
#   share/bash-completion/completions/    atw's completion
# Included from the root after the targets exist.

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

# --- desktop entry, AppStream data and icons (with the editor) ---------------------
if(TARGET AppletTavelinWizard)
    install(FILES ${CMAKE_SOURCE_DIR}/data/applettavelinwizard.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
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

# --- the .deb --------------------------------------------------------------------
# Depends: dpkg-shlibdeps adds the package of every library the programs
# link (so a part built with Qt WebEngine brings its packages by itself);
# ATW_DEB_DEPENDS names what is loaded at run time instead. An optional part
# appends its run-time packages with list(APPEND ATW_DEB_DEPENDS ...) before
# this file is included, or in the list below.
list(APPEND ATW_DEB_DEPENDS
    "qt6-qpa-plugins")  # Qt's platform plugins: the editor cannot open a window without them
list(REMOVE_DUPLICATES ATW_DEB_DEPENDS)
list(JOIN ATW_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME applettavelinwizard)
set(CPACK_PACKAGE_VENDOR Quorvex)
set(CPACK_PACKAGE_CONTACT "Applet Tavelina Wizard maintainers <maintainers@quorvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for multi-level sliding menus of web pages")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop editor in which a web author builds multi-level sliding menus without
writing code, styles them in property sheets, previews them in a browser and
saves them as HTML pages with a project file. The command-line tool atw works
with saved projects and templates from a shell.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "www-browser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
