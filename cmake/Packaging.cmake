# Installation and the Debian package (`make package`: cpack -G DEB in a Release build).
include(GNUInstallDirs)

set(LITERON_MAINTAINER "Литерон <maintainers@literon.invalid>")
set(LITERON_PACKAGING ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(LITERON_DOC ${CMAKE_INSTALL_DATAROOTDIR}/doc/literon)
# The program's name for the desktop and software centres: the desktop entry and the AppStream
# metainfo are installed under it.
set(LITERON_APP_ID io.github.literon.Literon)
set(LITERON_METAINFO ${LITERON_PACKAGING}/${LITERON_APP_ID}.metainfo.xml)

# Man pages and changelog go compressed, without a time stamp, so that two builds give the same
# package.
set(LITERON_DATE_RFC2822 "Wed, 09 Dec 2026 12:00:00 +0000")
configure_file(${LITERON_PACKAGING}/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/literon.1.gz ${CMAKE_CURRENT_BINARY_DIR}/literon.ru.1.gz
         ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nc ${LITERON_PACKAGING}/literon.1 > ${CMAKE_CURRENT_BINARY_DIR}/literon.1.gz
  COMMAND gzip -9nc ${LITERON_PACKAGING}/literon.ru.1 > ${CMAKE_CURRENT_BINARY_DIR}/literon.ru.1.gz
  COMMAND gzip -9nc ${CMAKE_CURRENT_BINARY_DIR}/changelog > ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  DEPENDS ${LITERON_PACKAGING}/literon.1 ${LITERON_PACKAGING}/literon.ru.1
          ${CMAKE_CURRENT_BINARY_DIR}/changelog
  VERBATIM)
add_custom_target(literon_docs DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/literon.1.gz
                                       ${CMAKE_CURRENT_BINARY_DIR}/literon.ru.1.gz
                                       ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_dependencies(literon literon_docs)

install(TARGETS literon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${LITERON_PACKAGING}/literon.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications
        RENAME ${LITERON_APP_ID}.desktop)
# What software centres show of the program; its release must be this version.
install(FILES ${LITERON_METAINFO} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
file(READ ${LITERON_METAINFO} LITERON_METAINFO_TEXT)
string(FIND "${LITERON_METAINFO_TEXT}" "<release version=\"${PROJECT_VERSION}\"" LITERON_RELEASE_AT)
if(LITERON_RELEASE_AT EQUAL -1)
  message(WARNING "${LITERON_METAINFO} has no <release> of version ${PROJECT_VERSION}")
endif()
install(FILES ${LITERON_PACKAGING}/literon.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
# The work files: their type (a double click opens them) and its icon.
install(FILES ${LITERON_PACKAGING}/literon-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages RENAME literon.xml)
install(FILES ${LITERON_PACKAGING}/application-x-literon.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/mimetypes)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/literon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/literon.ru.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1
        RENAME literon.1.gz)
install(FILES ${LITERON_PACKAGING}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${LITERON_DOC})
# The guide for teachers: help/guide.html, and beside it the pictures of docs/ it shows, the
# ones help/help.qrc puts in the program's resources (the guide names them without a folder).
set(LITERON_HELP ${CMAKE_CURRENT_SOURCE_DIR}/help)
install(FILES ${LITERON_HELP}/guide.html DESTINATION ${LITERON_DOC})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LITERON_HELP}/help.qrc)
file(STRINGS ${LITERON_HELP}/help.qrc LITERON_HELP_PICTURES REGEX "\\.\\./docs/[^<]+\\.png")
list(TRANSFORM LITERON_HELP_PICTURES REPLACE ".*\\.\\./(docs/[^<]+\\.png).*"
     "${CMAKE_CURRENT_SOURCE_DIR}/\\1")
install(FILES ${LITERON_HELP_PICTURES} DESTINATION ${LITERON_DOC})

set(CPACK_PACKAGE_NAME literon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${LITERON_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Russian letters built from graphs of functions")
# The summary above is the first line of the package's description; this is the rest.
set(CPACK_PACKAGE_DESCRIPTION
    "Литерон is a program for school lessons in Russian. It shows how each of the
33 capital letters of the Russian alphabet is built from pieces of graphs of
functions: straight segments, parabola arcs, ellipse arcs and absolute-value
corners, traced stroke by stroke on a coordinate plane, each stroke explained
by its formula. In Function mode pupils type parametric functions on a keypad
and plot them to cover a letter template.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The libraries the program links come from dpkg-shlibdeps. What it loads or uses without linking
# cannot be computed: Qt's platform plugins open the window, the fonts stand in for the faces the
# window is drawn in, Qt's Russian translations word its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation, fonts-urw-base35, qt6-translations-l10n")
# The work file type is registered through shared-mime-info's triggers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info")
include(CPack)
