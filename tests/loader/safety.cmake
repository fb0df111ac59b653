vorlane_add_test(NAME upload_safety_tests SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/upload_safety_test.cpp
    LIBS vorlane_upload_safety vorlane_test_support)
