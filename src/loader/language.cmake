# Interface texts of the loader, shared by the loader, the command-line program and the editor.
add_library(vorlane_language STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/language_texts.cpp
)
vorlane_include_paths(vorlane_language PUBLIC src)
target_link_libraries(vorlane_language PUBLIC vorlane_platform)
