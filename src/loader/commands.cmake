# The upload and download commands: file and download choices, loading the upload file, starting transfers and
# showing their progress.
add_library(vorlane_loader_commands STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_commands.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_commands_file_choice.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/transfer_commands_progress.cpp
)
vorlane_include_paths(vorlane_loader_commands PUBLIC src)
target_link_libraries(vorlane_loader_commands PUBLIC vorlane_transfer vorlane_connection vorlane_blockfile
                                                     vorlane_language vorlane_platform)
