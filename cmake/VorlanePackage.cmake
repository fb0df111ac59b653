# What a desktop installation carries beside the programs (the desktop entry and icon are installed with the
# editor): AppStream metainfo, the file types the editor opens, manual pages and bash completion; and the Debian
# package made from all of it by `cpack -G DEB`.
include(GNUInstallDirs)
set(VORLANE_APP_ID "org.vorlane.Vorlane")

# The repository names no public address and no licence: the address is a setting of the build, and without one
# the metainfo and the package carry no homepage or screenshot rather than an invented one. The metainfo's
# LicenseRef-proprietary says that no licence is granted.
set(VORLANE_HOMEPAGE "" CACHE STRING "Public address of the project (https://...), for the metainfo and the package")
set(VORLANE_MAINTAINER "Vorlane developers <vorlane@localhost>" CACHE STRING "The package's Maintainer field")
set(VORLANE_METAINFO_WEB "")
if(VORLANE_HOMEPAGE)
    string(REGEX REPLACE "/+$" "" homepage "${VORLANE_HOMEPAGE}")
    string(CONCAT VORLANE_METAINFO_WEB
           "  <screenshots>\n    <screenshot type=\"default\">\n"
           "      <caption>The editor with a channel list opened</caption>\n"
           "      <image>${homepage}/docs/screenshot.png</image>\n    </screenshot>\n  </screenshots>\n"
           "  <url type=\"homepage\">${homepage}/</url>\n")
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${homepage}/")
endif()
set(metainfo ${PROJECT_BINARY_DIR}/generated/${VORLANE_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/resources/metainfo/vorlane.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vorlane-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vorlane.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/vorlane-cli
              ${PROJECT_SOURCE_DIR}/resources/completion/vorlane-stb-sim
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Manual pages are kept as roff in resources/man with the version filled in here; the package carries them
# compressed, as man-db expects.
set(man_pages vorlane vorlane-cli vorlane-stb-sim)
set(compressed_pages)
foreach(page IN LISTS man_pages)
    set(source ${PROJECT_BINARY_DIR}/man/${page}.1)
    configure_file(${PROJECT_SOURCE_DIR}/resources/man/${page}.1 ${source} @ONLY)
    set(compressed ${source}.gz)
    add_custom_command(OUTPUT ${compressed} COMMAND gzip -9nc ${source} > ${compressed} DEPENDS ${source})
    list(APPEND compressed_pages ${compressed})
endforeach()
add_custom_target(vorlane_man_pages ALL DEPENDS ${compressed_pages})
install(FILES ${compressed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME vorlane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VORLANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel editor and serial loader for a satellite receiver")
set(CPACK_PACKAGE_DESCRIPTION
    "Vorlane edits the channel database of a satellite receiver in the receiver's own byte layout, imports\n"
    "SATCODX files and channel lists, and moves software and channel data to and from the receiver over a\n"
    "serial line. The package holds the editor (vorlane), the command-line tool (vorlane-cli) and a\n"
    "simulated receiver for trying the loader without hardware (vorlane-stb-sim).")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolbar's SVG icons are drawn by a Qt plug-in that shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_GENERATOR DEB)
include(CPack)
