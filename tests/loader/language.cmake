vorlane_add_test(NAME language_texts_tests SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/language_texts_test.cpp LIBS vorlane_language)
