# The loader in the window: its pieces on their own, and end to end (through the main window too) against the
# simulated receiver.
vorlane_add_test(NAME loader_widgets_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/loader_widgets_test.cpp
    LIBS vorlane_shell QT_APPLICATION)
vorlane_add_test(NAME loader_end_to_end_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/loader_end_to_end_test.cpp
    LIBS vorlane_shell vorlane_sim QT_APPLICATION)

# cmake --install puts the programs, the desktop entry and its icon in place, and the entry is valid.
add_test(NAME VorlaneInstallsIntoAPrefix COMMAND ${CMAKE_CURRENT_LIST_DIR}/install_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(VorlaneInstallsIntoAPrefix PROPERTIES SKIP_RETURN_CODE 77)
