# Adds each listed subdirectory. A listed folder without a CMakeLists.txt is a mistake in the
# list (a typo, a folder moved away), never a layer to skip.
function(caddora_add_subdirectories)
    foreach(dir IN LISTS ARGN)
        if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
            message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${dir} has no CMakeLists.txt")
        endif()
        add_subdirectory(${dir})
    endforeach()
endfunction()

# The C++ sources of the given folders (relative to the current one; the current folder
# when none is given). Files that only one platform builds are named *Win32.cpp (Windows)
# or *Posix.cpp (everything else).
function(caddora_sources out)
    set(folders ${ARGN})
    if(NOT folders)
        set(folders .)
    endif()
    set(sources)
    foreach(folder IN LISTS folders)
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "Posix\\.cpp$")
    else()
        list(FILTER sources EXCLUDE REGEX "Win32\\.cpp$")
    endif()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# One GoogleTest executable for the *Test.cpp files of the current folder; every test is
# registered with ctest on its own, and runs against the offscreen Qt platform. In a cross
# build the whole executable is one ctest test, run through the emulator (Wine). Tests of
# what only one platform has are named *PosixTest.cpp or *Win32Test.cpp. WINDOWS: the tests
# open windows; under Wine such programs run one at a time (every program of a cross build
# with the dialogs runs in the virtual display of cmake/CrossTesting.cmake).
function(caddora_add_test name)
    cmake_parse_arguments(T "WINDOWS" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "PosixTest\\.cpp$")
    else()
        list(FILTER sources EXCLUDE REGEX "Win32Test\\.cpp$")
    endif()
    add_executable(${name} ${sources})
    # The tests' own code is built for a quick build, not for speed: the code under test
    # keeps the build type's optimisation. Their files are compiled a few at a time, so
    # that the test framework's and the toolkit's headers are read once for several.
    # (Checked buffer functions need the optimiser, so a hardened build leaves them to the
    # code under test.) One batch reads the files of several tests: a type of one file's
    # anonymous namespace may be a test's base class there.
    if(NOT MSVC)
        target_compile_options(${name} PRIVATE -O0 -g0
            $<$<BOOL:${CADDORA_HARDEN}>:-U_FORTIFY_SOURCE>
            $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
    endif()
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 6)
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(CMAKE_CROSSCOMPILING)
        # Listing the tests would mean running the program at build time; through an
        # emulator one program is one ctest test, and one emulator start-up.
        if(CMAKE_CROSSCOMPILING_EMULATOR AND CADDORA_DISPLAY_STATE)
            # Every program of the prefix shows on the one virtual display: the first one
            # started, console or not, opens the prefix's desktop there.
            add_test(NAME ${name}
                COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-display.sh run ${CADDORA_DISPLAY_STATE}
                        ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>)
            set_tests_properties(${name} PROPERTIES
                ENVIRONMENT "${CADDORA_TEST_ENVIRONMENT}"
                FIXTURES_REQUIRED "wine_prefix;wine_display"
                TIMEOUT 120)
            if(T_WINDOWS)
                # One at a time: each program's windows take the keyboard focus from the
                # other's.
                set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_display TIMEOUT 300)
            endif()
        else()
            add_test(NAME ${name} COMMAND ${name})
            if(CMAKE_CROSSCOMPILING_EMULATOR)
                set_tests_properties(${name} PROPERTIES
                    ENVIRONMENT "${CADDORA_TEST_ENVIRONMENT}"
                    FIXTURES_REQUIRED wine_prefix
                    TIMEOUT 120)
            endif()
        endif()
    else()
        include(GoogleTest)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()
