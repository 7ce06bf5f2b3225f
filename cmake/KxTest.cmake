include(GoogleTest)
find_package(GTest REQUIRED)
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)

set(KX40_TEST_DATA ${CMAKE_SOURCE_DIR}/tests/data)
set(KX40_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
file(MAKE_DIRECTORY ${KX40_TEST_HOME})

# kx_add_test(NAME name SOURCES a.cpp ... [LIBS lib ...] [QT])
# One place that builds and registers a test binary. QT gives it a QApplication
# main (offscreen platform) and the Qt layer; otherwise it is a plain core test.
function(kx_add_test)
    cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE kx40core kx40_warnings GTest::gtest GTest::gmock
                          ${T_LIBS})
    if(T_QT)
        target_sources(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/QtTestMain.cpp)
        target_link_libraries(${T_NAME} PRIVATE kx40ui Qt6::Test)
    else()
        target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
    endif()
    target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    target_compile_definitions(${T_NAME} PRIVATE KX40_TEST_DATA="${KX40_TEST_DATA}")
    gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;HOME=${KX40_TEST_HOME};XDG_CONFIG_HOME=${KX40_TEST_HOME}/.config;XDG_RUNTIME_DIR=${KX40_TEST_HOME};LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
