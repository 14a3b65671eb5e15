# Project-wide helpers: warnings, sanitizers, GoogleTest for both presets, Wine test runs.

# Our own code builds warning-free, warnings as errors.
function(vatrel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# The same sources built in any two folders give the same bytes: neither folder
# is written into debug information or __FILE__.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)

# Links TARGET to a delay-load import library of the DLL that DEF describes (built here as
# lib<DLL name>_delay.a): the program starts without that DLL, which app/directx_runtime loads and binds.
function(vatrel_delay_import target def)
    get_filename_component(dll ${def} NAME_WE)
    set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${lib}
        COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib lib${dll}_delay.a
        DEPENDS ${def}
        # Run where it writes: the symbols it names after its output carry no build path.
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        VERBATIM)
    add_custom_target(${dll}_delay_lib DEPENDS ${lib})
    add_dependencies(${target} ${dll}_delay_lib)
    target_link_libraries(${target} PUBLIC ${lib})
endfunction()

# Host test code runs under AddressSanitizer and UBSan.
set(VATREL_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
function(vatrel_sanitize target)
    if(NOT WIN32)
        target_compile_options(${target} PRIVATE ${VATREL_SANITIZE_FLAGS})
        target_link_options(${target} PRIVATE ${VATREL_SANITIZE_FLAGS})
    endif()
endfunction()

# GoogleTest: Debian's prebuilt library natively; its shipped sources built with
# the cross compiler for Windows.
if(WIN32)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    add_library(vatrel_gtest INTERFACE)
    target_link_libraries(vatrel_gtest INTERFACE gtest)
    add_library(vatrel_gtest_main INTERFACE)
    target_link_libraries(vatrel_gtest_main INTERFACE gtest_main)
else()
    find_package(GTest REQUIRED)
    add_library(vatrel_gtest INTERFACE)
    target_link_libraries(vatrel_gtest INTERFACE GTest::gtest)
    add_library(vatrel_gtest_main INTERFACE)
    target_link_libraries(vatrel_gtest_main INTERFACE GTest::gtest_main)
endif()

# A Wine test session (one Xvfb, one wineserver) of the prefix PREFIX, as the CTest fixture
# FIXTURE (tests FIXTURE_session_start and _stop). It ends with the ctest that started it, also
# when the cleanup fixture never runs (see cmake/wine-common.sh).
function(vatrel_wine_session fixture prefix)
    add_test(NAME ${fixture}_session_start COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-session start)
    add_test(NAME ${fixture}_session_stop COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-session stop)
    set_tests_properties(${fixture}_session_start PROPERTIES FIXTURES_SETUP ${fixture})
    set_tests_properties(${fixture}_session_stop PROPERTIES FIXTURES_CLEANUP ${fixture})
    set_tests_properties(${fixture}_session_start ${fixture}_session_stop PROPERTIES ENVIRONMENT "VATREL_WINEPREFIX=${prefix}")
endfunction()

# The session every Windows test joins (those made with vatrel_add_test, too).
if(WIN32)
    # Each build tree has its own prefix, so separate trees can test at once.
    vatrel_wine_session(wine ${CMAKE_BINARY_DIR}/wineprefix)
    set(VATREL_WINE_ENV "VATREL_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix")
endif()

# Adds a GoogleTest executable as one CTest test: sanitized on the host, run
# under Wine (the crosscompiling emulator) on win64. MAIN: the library with its main (GoogleTest's).
function(vatrel_add_test name)
    cmake_parse_arguments(T "" "MAIN" "SOURCES;LIBS" ${ARGN})
    if(NOT T_MAIN)
        set(T_MAIN vatrel_gtest_main)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${T_MAIN})
    vatrel_warnings(${name})
    vatrel_sanitize(${name})
    add_test(NAME ${name} COMMAND ${name})
    if(WIN32)
        # Windows tests share the session's one display: a window of one test
        # must never cover what another reads back from the screen.
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${VATREL_WINE_ENV}"
                             RESOURCE_LOCK vatrel_screen)
    endif()
endfunction()
