# Adds every listed sub-folder of the current folder that has a CMakeLists.txt,
# so a subsystem joins the build by creating its own CMakeLists.txt only.
function(vorlane_add_subdirectories)
    foreach(dir IN LISTS ARGN)
        if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
            add_subdirectory(${dir})
        endif()
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
    target_compile_definitions(${T_NAME} PRIVATE VORLANE_TESTDATA_DIR="${VORLANE_TESTDATA_DIR}")
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${T_ENVIRONMENT}")
endfunction()

# vorlane_add_benchmark(NAME name SOURCES a.cpp LIBS lib1)
function(vorlane_add_benchmark)
    cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${B_NAME} ${B_SOURCES})
    target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
