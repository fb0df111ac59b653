vorlane_add_test(NAME serial_port_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/serial_port_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/serial_port_names_test.cpp
    LIBS vorlane_serial)
vorlane_include_paths(serial_port_tests PRIVATE tests/platform)
