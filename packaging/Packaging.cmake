# Installing as a desktop program (menu entry, icons, file type, metadata,
# man pages) and the Debian package that `make package` builds.

set(TAGWRIGHT_APP_ID com.quillmark.Tagwright)
set(TAGWRIGHT_SCREENSHOT_URL_BASE "https://quillmark.com/tagwright/screenshots/"
    CACHE STRING "Where the published screenshots live (packaging/screenshots/*.png), with a trailing slash")
set(TAGWRIGHT_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(TAGWRIGHT_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)

# --- man pages, compressed as Debian installs them ----------------------------
set(TAGWRIGHT_MAN_PAGES tagwright-check)
if(TAGWRIGHT_BUILD_UI)
    list(APPEND TAGWRIGHT_MAN_PAGES tagwright)
endif()
set(TAGWRIGHT_COMPRESSED_MAN_PAGES)
foreach(page IN LISTS TAGWRIGHT_MAN_PAGES)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.1)
    set(compressed ${TAGWRIGHT_GENERATED_DIR}/man/${page}.1.gz)
    # -n keeps the time stamp out, so the same page always gives the same bytes.
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TAGWRIGHT_GENERATED_DIR}/man
        COMMAND gzip -9n -c ${source} > ${compressed}
        DEPENDS ${source} VERBATIM)
    list(APPEND TAGWRIGHT_COMPRESSED_MAN_PAGES ${compressed})
endforeach()
add_custom_target(tagwright_man_pages ALL DEPENDS ${TAGWRIGHT_COMPRESSED_MAN_PAGES})
install(FILES ${TAGWRIGHT_COMPRESSED_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# --- the desktop: menu entry, icons, project file type, metadata ---------------
if(TAGWRIGHT_BUILD_UI)
    install(FILES ${TAGWRIGHT_PACKAGING_DIR}/${TAGWRIGHT_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TAGWRIGHT_PACKAGING_DIR}/${TAGWRIGHT_APP_ID}.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME ${TAGWRIGHT_APP_ID}.xml)
    configure_file(${TAGWRIGHT_PACKAGING_DIR}/${TAGWRIGHT_APP_ID}.metainfo.xml.in
                   ${TAGWRIGHT_GENERATED_DIR}/${TAGWRIGHT_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${TAGWRIGHT_GENERATED_DIR}/${TAGWRIGHT_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # The window icon is the same drawing as the menu's: one SVG, rendered to
    # the fixed sizes that icon themes and older desktops look up.
    set(TAGWRIGHT_ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/res/icons/tagwright.svg)
    set(TAGWRIGHT_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${TAGWRIGHT_ICON_SVG} DESTINATION ${TAGWRIGHT_ICON_DIR}/scalable/apps
            RENAME ${TAGWRIGHT_APP_ID}.svg)
    find_program(TAGWRIGHT_RSVG_CONVERT rsvg-convert)
    if(TAGWRIGHT_RSVG_CONVERT)
        set(TAGWRIGHT_ICON_PNGS)
        foreach(size 16 32 48 64 128 256)
            set(png ${TAGWRIGHT_GENERATED_DIR}/icons/${size}x${size}/${TAGWRIGHT_APP_ID}.png)
            add_custom_command(OUTPUT ${png}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${TAGWRIGHT_GENERATED_DIR}/icons/${size}x${size}
                COMMAND ${TAGWRIGHT_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${TAGWRIGHT_ICON_SVG}
                DEPENDS ${TAGWRIGHT_ICON_SVG} VERBATIM)
            install(FILES ${png} DESTINATION ${TAGWRIGHT_ICON_DIR}/${size}x${size}/apps)
            list(APPEND TAGWRIGHT_ICON_PNGS ${png})
        endforeach()
        add_custom_target(tagwright_icons ALL DEPENDS ${TAGWRIGHT_ICON_PNGS})
    else()
        message(WARNING "rsvg-convert (librsvg2-bin) was not found: the icon is installed as SVG only")
    endif()
endif()

# --- the Debian package ---------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagwright)
set(CPACK_PACKAGE_VENDOR Quillmark)
set(CPACK_PACKAGE_CONTACT "Quillmark <tagwright@quillmark.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML source editor with a tag checker and site projects")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quillmark Tagwright edits HTML source in a desktop window: it colours tags,\n"
    "arguments and values, checks documents and whole sites against a plain-text\n"
    "tag vocabulary, offers completions, keeps projects of a site's files and\n"
    "uploads the changed ones by FTP, FTPS or SFTP. tagwright-check runs the\n"
    "same checker from a terminal or a CI job.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps finds the libraries the programs link; Qt's plugins are
# loaded at run time, so the ones the editor cannot start or draw its icons
# without are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TAGWRIGHT_BUILD_UI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
endif()
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build.*/" "/fuzz-build.*/")
include(CPack)
