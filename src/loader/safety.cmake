# The safety net around channel-file uploads: backups of the receiver's list, the read-back into memory, the
# comparison with what was sent, and the sequence of the three.
add_library(vorlane_upload_safety STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/channel_image_compare.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/memory_download_sink.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/receiver_backups.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/safe_upload.cpp
)
target_include_directories(vorlane_upload_safety PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(vorlane_upload_safety PUBLIC vorlane_loader_commands vorlane_transfer vorlane_blockfile
                                                   vorlane_database vorlane_storage vorlane_platform)
