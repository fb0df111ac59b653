vorlane_add_test(NAME connection_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/connection_test.cpp
    LIBS vorlane_connection vorlane_sim)
vorlane_include_paths(connection_tests PRIVATE tests/platform)

vorlane_add_test(NAME search_command_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/search_command_test.cpp
    LIBS vorlane_sim vorlane_connection vorlane_platform_qt)
target_compile_definitions(search_command_tests PRIVATE VORLANE_CLI_PATH="$<TARGET_FILE:vorlane-cli>")
add_dependencies(search_command_tests vorlane-cli)
