# Windows build: the program, its Win32 layer and the test binaries that run under Wine.
enable_language(RC)
include(GoogleTest)
include(res/art.cmake)

set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static")
add_compile_definitions(STRICT WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# The Win32 layer: service implementations and the windows.
add_library(rominado_win32 STATIC)
# Only DLLs the system loads from its own folder whatever the search order: its known DLLs, and comctl32, which
# the manifest binds to the system's side-by-side copy. MPR.dll is loaded on demand (Win32Network.cpp).
target_link_libraries(rominado_win32 PUBLIC rominado_core comctl32 comdlg32 shell32 shlwapi ole32 uuid gdi32)
foreach(dir platform/win32 collect edit app shell)
  include(${dir}/win32_sources.cmake OPTIONAL)
endforeach()

add_executable(Rominado WIN32 app/Main.cpp res/Rominado.rc)
# windres reads the manifest that the .rc names; the .rc's include scanning does not see it.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/Rominado.rc APPEND PROPERTY OBJECT_DEPENDS
             ${CMAKE_SOURCE_DIR}/res/Rominado.manifest)
target_link_libraries(Rominado PRIVATE rominado_win32)
add_dependencies(Rominado rominado_art)
# No time stamp in the program's header, so that the same sources link to the same bytes; stripped for release.
# A 256 MiB stack reserve (address space only; pages are committed as used): Wine hands the text of a message
# from another process (a WM_SETTEXT of the text area by a macro tool) to the window on the receiving thread's
# stack, so with the default 2 MiB a text of a million characters ended the program at once.
target_link_options(Rominado PRIVATE -Wl,--no-insert-timestamp -Wl,--stack,268435456 $<$<CONFIG:Release>:-s>)

# The help page beside the program, where the help command looks for it (and the release package finds it).
set(HELP_PAGE_SOURCE ${CMAKE_SOURCE_DIR}/help/ロミナード.html)
set(HELP_PAGE ${CMAKE_BINARY_DIR}/Rominado.html)
add_custom_command(OUTPUT ${HELP_PAGE} COMMAND ${CMAKE_COMMAND} -E copy ${HELP_PAGE_SOURCE} ${HELP_PAGE}
                   DEPENDS ${HELP_PAGE_SOURCE} VERBATIM)
add_custom_target(rominado_help DEPENDS ${HELP_PAGE})
add_dependencies(Rominado rominado_help)

# The driver that works the program from outside: the end-to-end tests use it, and the release package, which
# takes the help page's pictures of the windows with it.
add_executable(e2e_driver tests/e2e/driver.cpp)
# Its texts go through the program's own conversions; its arguments come wide (wmain).
target_link_libraries(e2e_driver PRIVATE rominado_core user32)
target_link_options(e2e_driver PRIVATE -municode)

# Benchmarks: built with the program, run by hand (bench/README.md).
add_subdirectory(bench ${CMAKE_BINARY_DIR}/bench)

# GoogleTest from its sources (Debian's package puts them in /usr/src/googletest), built for Windows.
set(ROMINADO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source folder for the Windows test binaries")
if(NOT EXISTS ${ROMINADO_GTEST_SOURCE}/CMakeLists.txt)
  message(STATUS "No GoogleTest sources at ${ROMINADO_GTEST_SOURCE}: building the program only")
  return()
endif()
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ROMINADO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*_test.cpp)
add_executable(win32_tests ${UNIT_TEST_SOURCES} ${WIN32_TEST_SOURCES} ${FAKE_SOURCES})
target_link_libraries(win32_tests PRIVATE rominado_win32 gmock gtest_main)
# The manifest and help tests read the program and the help page beside the test program.
add_dependencies(win32_tests Rominado)
# Started through a launcher that retries a start Wine ended before the program ran (scripts/wine-test.sh).
set_target_properties(win32_tests PROPERTIES CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-test.sh)
# One at a time: window tests in two processes would take activation, focus and the clipboard from each other.
gtest_discover_tests(win32_tests TEST_PREFIX "win32." DISCOVERY_TIMEOUT 120 PROPERTIES RESOURCE_LOCK win32_session)

# End to end: the real program under Wine on an X display, driven from outside.
set(E2E_ENV "ROMINADO_EXE=$<TARGET_FILE:Rominado>;E2E_DRIVER=$<TARGET_FILE:e2e_driver>;E2E_OUT=${CMAKE_BINARY_DIR}/e2e")
file(GLOB E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.sh)
foreach(script ${E2E_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  string(REGEX REPLACE "_test$" "" name ${name})
  add_test(NAME e2e.${name} COMMAND sh ${script})
  # Alone: other tests' windows on the shared display would lie in the way of drags and window searches.
  set_tests_properties(e2e.${name} PROPERTIES ENVIRONMENT "${E2E_ENV}" TIMEOUT 300 RUN_SERIAL ON)
endforeach()

# The package test's release build runs as a set-up step with a time limit of its own; the test then packs
# from it in seconds. It takes the help page's pictures of the real windows in the shared Wine session, so
# the window tests wait for it: beside one of them a picture came out at another DPI.
add_test(NAME package.release_build COMMAND sh ${CMAKE_SOURCE_DIR}/tests/e2e/package_test.sh build)
set_tests_properties(package.release_build PROPERTIES ENVIRONMENT "${E2E_ENV}" TIMEOUT 1800
                     FIXTURES_SETUP release_build RESOURCE_LOCK win32_session)
set_tests_properties(e2e.package PROPERTIES FIXTURES_REQUIRED release_build)

# The release zip's writer.
add_test(NAME package.make_zip COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/packaging/test_make_zip.py)
