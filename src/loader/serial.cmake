# Serial port of the loader: the port with its watcher thread, the owner interfaces and port names.
add_library(vorlane_serial STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/event_queue_dispatcher.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/receive_handoff.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/serial_port.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/serial_device_scan.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/serial_port_names.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/serial_port_watcher.cpp
)
find_package(Threads REQUIRED)
vorlane_include_paths(vorlane_serial PUBLIC src)
target_link_libraries(vorlane_serial PUBLIC vorlane_platform Threads::Threads)
