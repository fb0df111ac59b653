# Warnings on our own code; Qt and GoogleTest come in as system headers and stay quiet. CI builds with
# VORLANE_WERROR=ON, so a new warning fails there.
option(VORLANE_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(VORLANE_WERROR)
    add_compile_options(-Werror)
endif()

# Adds the listed sub-folders of the current folder; each must exist, so a missing folder fails the configure
# instead of leaving its tests out silently.
function(vorlane_add_subdirectories)
    foreach(dir IN LISTS ARGN)
        add_subdirectory(${dir})
    endforeach()
endfunction()

# vorlane_include_paths(target PUBLIC|PRIVATE folder...): folders relative to the project root, so every
# include in the tree is written from src/ (or tests/) the same way.
function(vorlane_include_paths target scope)
    foreach(dir IN LISTS ARGN)
        target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR}/${dir})
    endforeach()
endfunction()

# vorlane_add_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT_APPLICATION] [ENVIRONMENT K=V ...])
# One GoogleTest executable, registered test by test with CTest. QT_APPLICATION gives the tests a QApplication
# on the offscreen platform, for widget tests.
function(vorlane_add_test)
    cmake_parse_arguments(T "QT_APPLICATION" "NAME" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    if(T_QT_APPLICATION)
        add_executable(${T_NAME} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/qt_application_main.cpp)
        find_package(Qt6 REQUIRED COMPONENTS Widgets)
        target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Widgets GTest::gtest GTest::gmock)
        list(APPEND T_ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    else()
        add_executable(${T_NAME} ${T_SOURCES})
        target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    endif()
    vorlane_include_paths(${T_NAME} PRIVATE tests)
    target_compile_definitions(${T_NAME} PRIVATE VORLANE_TESTDATA_DIR="${VORLANE_TESTDATA_DIR}")
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${T_ENVIRONMENT}")
endfunction()

# vorlane_add_benchmark(NAME name SOURCES a.cpp LIBS lib1)
function(vorlane_add_benchmark)
    cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${B_NAME} ${B_SOURCES})
    target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
