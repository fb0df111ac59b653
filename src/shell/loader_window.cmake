# The loader in the window: the Qt dispatcher of the port's deliveries, the form's loader controls and progress bar,
# the COM Setting and download choice dialogs, the loader's windows, the view's loader link and the view's loader commands.
target_sources(vorlane_shell PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/loader_com_setting_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loader_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loader_download_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loader_link.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loader_owner_dispatcher.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loader_progress_bar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loader_window_ui.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mirevo_view_loader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/serial_devices_group.cpp
    ${CMAKE_CURRENT_LIST_DIR}/receiver_safety_flow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/restore_backup_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/upload_safety_dialog.cpp
)
target_link_libraries(vorlane_shell PUBLIC vorlane_loader_commands vorlane_upload_safety)
