# The transfer protocol: send operations, markers, the upload and download machines and the forced upload's
# break-in into the boot monitor.
add_library(vorlane_transfer STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/break_in_sender.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/monitor_line_ring.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_channel_header.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_download.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_download_file.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_forced_upload.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_line.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_requests.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_upload.cpp
)
vorlane_include_paths(vorlane_transfer PUBLIC src)
target_link_libraries(vorlane_transfer PUBLIC vorlane_connection vorlane_blockfile vorlane_serial vorlane_language
                                              vorlane_platform)
