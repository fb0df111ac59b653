vorlane_add_test(NAME connection_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/connection_settings_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/connection_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/connection_search_test.cpp
    LIBS vorlane_connection vorlane_sim)
target_include_directories(connection_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/platform)
