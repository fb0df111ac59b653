# The project version, kept once in project(), reaches the programs as vorlane/version.h.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${PROJECT_BINARY_DIR}/generated/vorlane/version.h @ONLY)
add_library(vorlane_version INTERFACE)
target_include_directories(vorlane_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
