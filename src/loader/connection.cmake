#Serial settings and the connection to the receiver : connect, port search, disconnect, status and controls.
add_library(vorlane_connection STATIC ${CMAKE_CURRENT_SOURCE_DIR} / connection.cpp ${CMAKE_CURRENT_SOURCE_DIR} /
            connection_settings.cpp ${CMAKE_CURRENT_SOURCE_DIR} / connection_wake_up.cpp)
    target_include_directories(vorlane_connection PUBLIC ${PROJECT_SOURCE_DIR} / src)
        target_link_libraries(vorlane_connection PUBLIC vorlane_serial vorlane_language vorlane_platform)
