# One test binary per area; every test runs with the offscreen Qt platform so that
# widget tests never need a display, and writes only under its own temporary folder.
include(GoogleTest)

set(PW_TEST_ENV
    "QT_QPA_PLATFORM=offscreen"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
# The tests write thousands of small projects, and the programs flush every file they
# save: in a memory file system that costs nothing, so the suite's time is the code's.
if(IS_DIRECTORY /dev/shm)
    list(APPEND PW_TEST_ENV "TMPDIR=/dev/shm")
endif()
# No test of the suite needs more than a few minutes on a slow machine: a hang ends there.
set(PW_TEST_TIMEOUT 600)

# What nearly every test file includes, parsed once per test binary.
set(PW_TEST_HEADERS <gtest/gtest.h> <string> <vector> <memory> <filesystem> <map>)
set(PW_QT_TEST_HEADERS <QWidget> <QComboBox> <QLineEdit> <QCheckBox> <QPushButton> <QLabel> <QImage>)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(PW_TEST_COMPILE_OPTIONS -O0 -g1)
endif()

# pw_add_test(<name> [QT] SOURCES ... LIBS ...): QT tests get a QApplication.
function(pw_add_test name)
    cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    if(T_QT)
        target_link_libraries(${name} PRIVATE ${T_LIBS} qt_test_main qt_test_support test_support GTest::gtest)
        target_precompile_headers(${name} PRIVATE ${PW_TEST_HEADERS} ${PW_QT_TEST_HEADERS})
    else()
        target_link_libraries(${name} PRIVATE ${T_LIBS} test_support GTest::gtest GTest::gtest_main)
        target_precompile_headers(${name} PRIVATE ${PW_TEST_HEADERS})
    endif()
    # Test code runs once per case: it is compiled for a short build, not for speed.
    target_compile_options(${name} PRIVATE ${PW_TEST_COMPILE_OPTIONS})
    # The environment is set by "cmake -E env" in front of the test: a list given
    # as the ENVIRONMENT property loses all but its first entry on the way through
    # test discovery.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${PW_TEST_ENV}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT ${PW_TEST_TIMEOUT})
endfunction()
