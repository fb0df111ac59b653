vorlane_add_test(NAME transfer_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/transfer_line_ring_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/transfer_transcript_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/transfer_download_test.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/transfer_forced_upload_test.cpp
    LIBS vorlane_transfer vorlane_sim)
vorlane_include_paths(transfer_tests PRIVATE tests/platform)
