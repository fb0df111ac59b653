# The editor's desktop entry and its icon, for menus and launchers.
include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorlane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorlane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
