# Native build: the core and its unit tests under AddressSanitizer and UndefinedBehaviorSanitizer.
include(GoogleTest)
find_package(GTest REQUIRED)

set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
target_compile_options(rominado_core PRIVATE ${SANITIZE})

add_executable(unit_tests ${UNIT_TEST_SOURCES} ${FAKE_SOURCES})
target_compile_options(unit_tests PRIVATE ${SANITIZE})
target_link_options(unit_tests PRIVATE ${SANITIZE})
target_link_libraries(unit_tests PRIVATE rominado_core GTest::gmock GTest::gtest_main)
gtest_discover_tests(unit_tests TEST_PREFIX "unit." DISCOVERY_TIMEOUT 60)

# Every C++ source as clang-format lays it out.
add_test(NAME format.sources COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/format-check.sh)

# The pixel-art converter of the icon and glyphs.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME art.make_art COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/res/test_make_art.py)

# The Windows build's tests (win32 and e2e) join this build's ctest run, so one summary covers all tiers.
set(ROMINADO_WINDOWS_BUILD "" CACHE PATH "Build folder of the Windows cross build whose tests ctest also runs")
if(ROMINADO_WINDOWS_BUILD)
  file(WRITE ${CMAKE_BINARY_DIR}/windows_tests.cmake "subdirs(\"${ROMINADO_WINDOWS_BUILD}\")\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/windows_tests.cmake)
endif()


# A short run of each libFuzzer target built in its own folder (tests/fuzz): its corpus grows here, the
# reproducers of past findings are read from tests/fuzz/seeds; long runs are tests/fuzz/run_all.sh's.
set(ROMINADO_FUZZ_BUILD "" CACHE PATH "Build folder of the libFuzzer targets")
if(ROMINADO_FUZZ_BUILD)
  foreach(target HenkanJ CommandLine LongFileName FileContents Settings PathPieces NetworkForm EditOperations
                 OutputFormat Encoding ExclusionMasks ProfileFile)
    set(corpus ${CMAKE_BINARY_DIR}/fuzz-corpus/${target})
    set(seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/seeds/${target})
    file(MAKE_DIRECTORY ${corpus} ${CMAKE_BINARY_DIR}/fuzz-artifacts)
    if(NOT EXISTS ${seeds})
      set(seeds "")
    endif()
    add_test(NAME fuzz.${target}
             COMMAND ${ROMINADO_FUZZ_BUILD}/${target}_fuzz -max_total_time=5 -timeout=10 -print_final_stats=1
                     -artifact_prefix=${CMAKE_BINARY_DIR}/fuzz-artifacts/${target}- ${corpus} ${seeds})
  endforeach()
endif()
