# Test support for a cross build: GoogleTest compiled from Debian's sources with the cross
# compiler (the packaged libraries are built for the host), and a Wine prefix of the build's
# own in which ctest runs the Windows test programs.

set(CADDORA_GOOGLETEST_SOURCE /usr/src/googletest
    CACHE PATH "GoogleTest sources to build for the target (Debian package googletest)")
if(NOT EXISTS ${CADDORA_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${CADDORA_GOOGLETEST_SOURCE}; "
                        "install the googletest package or set CADDORA_GOOGLETEST_SOURCE")
endif()

set(BUILD_SHARED_LIBS OFF)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${CADDORA_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

foreach(lib gtest gtest_main gmock gmock_main)
    # Not our code: its own warnings do not fail our build, and its headers are system
    # headers to our tests, as the installed ones are in the native build.
    set_property(TARGET ${lib} PROPERTY COMPILE_OPTIONS -w)
    get_target_property(includes ${lib} INTERFACE_INCLUDE_DIRECTORIES)
    set_property(TARGET ${lib} PROPERTY INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${includes})
    if(NOT TARGET GTest::${lib})
        add_library(GTest::${lib} ALIAS ${lib})
    endif()
endforeach()

if(CMAKE_CROSSCOMPILING_EMULATOR)
    # A throw-away prefix inside the build directory, so that a test run never touches the
    # user's own Wine setup (nor its registry). Mono and Gecko are not needed by console
    # programs; leaving them out keeps wineboot from offering to download them.
    set(CADDORA_TEST_ENVIRONMENT
        "WINEPREFIX=${PROJECT_BINARY_DIR}/wineprefix"
        "WINEDEBUG=-all"
        "WINEDLLOVERRIDES=mscoree,mshtml="
        "DISPLAY=")
    add_test(NAME wine_prefix
        COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-prefix.sh ${CMAKE_CROSSCOMPILING_EMULATOR})
    set_tests_properties(wine_prefix PROPERTIES
        FIXTURES_SETUP wine_prefix
        ENVIRONMENT "${CADDORA_TEST_ENVIRONMENT}"
        TIMEOUT 180)

    if(CADDORA_GUI)
        # The programs that open windows show them on a virtual display (Xvfb) of the run's
        # own, started before the first of them and ended after the last.
        set(CADDORA_DISPLAY_STATE ${PROJECT_BINARY_DIR}/xvfb)
        add_test(NAME wine_display_start
            COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-display.sh start ${CADDORA_DISPLAY_STATE})
        set_tests_properties(wine_display_start PROPERTIES FIXTURES_SETUP wine_display TIMEOUT 60)
        add_test(NAME wine_display_stop
            COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-display.sh stop ${CADDORA_DISPLAY_STATE})
        set_tests_properties(wine_display_stop PROPERTIES FIXTURES_CLEANUP wine_display)
    endif()
endif()
