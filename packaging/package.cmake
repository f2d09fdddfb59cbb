# What the installation holds beside the programs, their help and manual pages (apps/):
# the menu entry and its icon, the bash completion, the copyright and the changelog; and
# the Debian package of it all, `make package` (cpack -G DEB): dnt_<version>_<arch>.deb.
include(GNUInstallDirs)
set(dnt_packaging ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${dnt_packaging}/dnt-gui.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dnt_packaging}/dnt-gui.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${dnt_packaging}/dnt.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME dnt)
install(FILES ${dnt_packaging}/copyright ${PROJECT_SOURCE_DIR}/docs/usage.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The changelog compressed as Debian wants it: gzip -9, no name or time stamp.
set(dnt_changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog)
add_custom_command(OUTPUT ${dnt_changelog}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${dnt_packaging}/changelog ${dnt_changelog}
                   COMMAND gzip -9nf ${dnt_changelog}
                   DEPENDS ${dnt_packaging}/changelog VERBATIM)
add_custom_target(dnt_changelog ALL DEPENDS ${dnt_changelog}.gz)
install(FILES ${dnt_changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(DNT_MAINTAINER "dnt developers <dnt@example.org>" CACHE STRING "The package's maintainer, Name <address>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dnt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DNT_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "quarterly nominative declarations of home-help employers
dnt prints the DECLARATION NOMINATIVE TRIMESTRIELLE that an association prints
for the home-help employers it manages, one declaration per employer and
quarter, from a multivalue database kept in an SQLite file or on a PostgreSQL
server, to PDF, to the system's printers or to a matrix printer.
.
This package holds the command line dnt, the desktop program dnt-gui with its
menu entry and help pages, their manual pages and the bash completion of dnt.")
# The libraries' packages, with their versions, from the programs themselves
# (dpkg-shlibdeps); the fonts the pages and the screens are drawn in. PostgreSQL's client
# is loaded only when a server is named: recommended, not required.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libpq5")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
