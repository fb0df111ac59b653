vorlane_add_test(NAME loader_commands_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/commands_test.cpp
    LIBS vorlane_loader_commands vorlane_sim vorlane_database_files vorlane_test_support)
vorlane_include_paths(loader_commands_tests PRIVATE tests/platform)
