# Native (Linux) build: the tests and the benchmarks.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(daubix_tests ${DAUBIX_TEST_SOURCES})
target_link_libraries(daubix_tests PRIVATE daubix_headless GTest::gtest GTest::gtest_main)
target_compile_definitions(daubix_tests PRIVATE
  DAUBIX_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
  DAUBIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
find_package(PNG QUIET)
if(PNG_FOUND)
  target_link_libraries(daubix_tests PRIVATE PNG::PNG)
  target_compile_definitions(daubix_tests PRIVATE DAUBIX_HAVE_PNG=1)
  # The headless backend opens and saves PNG files with it, as Windows does with its codecs.
  target_link_libraries(daubix_headless PRIVATE PNG::PNG)
  target_compile_definitions(daubix_headless PRIVATE DAUBIX_HAVE_PNG=1)
endif()
gtest_discover_tests(daubix_tests DISCOVERY_TIMEOUT 60)

include(${PROJECT_SOURCE_DIR}/cmake/fuzz_targets.cmake)

# The shell logic of scripts/, where there is a bash to run it.
find_program(DAUBIX_BASH bash)
if(DAUBIX_BASH)
  add_test(NAME scripts.wine_environment
    COMMAND ${DAUBIX_BASH} ${PROJECT_SOURCE_DIR}/tests/scripts/wine_environment_test.bash)
endif()

# The resources: the host tools draw the pictures, and where a resource compiler for
# Windows is at hand daubix.rc is compiled as the Windows build does, for the tests to read.
add_subdirectory(resources/tools ${CMAKE_BINARY_DIR}/resource-tools)
set(DAUBIX_ICO_FROM_TEXT $<TARGET_FILE:ico_from_text>)
set(DAUBIX_CUR_FROM_TEXT $<TARGET_FILE:cur_from_text>)
set(DAUBIX_BMP_FROM_TEXT $<TARGET_FILE:bmp_from_text>)
set(DAUBIX_ART_TOOL_DEPENDS ico_from_text cur_from_text bmp_from_text)
include(${PROJECT_SOURCE_DIR}/resources/resources.cmake)
# The headless backend reads the bitmaps daubix.rc names from where they were drawn.
target_compile_definitions(daubix_headless PRIVATE
  DAUBIX_BUILT_RESOURCES="${DAUBIX_RESOURCE_DIR}")
find_program(DAUBIX_WINDRES NAMES x86_64-w64-mingw32-windres windres)
if(DAUBIX_WINDRES)
  add_custom_command(OUTPUT ${DAUBIX_RESOURCE_DIR}/daubix.res
    COMMAND ${DAUBIX_WINDRES} --codepage=65001 -O res -I ${DAUBIX_RESOURCE_DIR}
            -I ${DAUBIX_RESOURCE_SOURCE_DIR}
            ${PROJECT_SOURCE_DIR}/resources/daubix.rc ${DAUBIX_RESOURCE_DIR}/daubix.res
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/daubix.rc ${DAUBIX_RESOURCE_INPUTS}
            ${DAUBIX_RESOURCE_HEADERS}
    COMMENT "Compiling daubix.rc for the tests")
  add_custom_target(daubix_res DEPENDS ${DAUBIX_RESOURCE_DIR}/daubix.res)
  add_dependencies(daubix_tests daubix_res)
  target_compile_definitions(daubix_tests PRIVATE
    DAUBIX_COMPILED_RESOURCES="${DAUBIX_RESOURCE_DIR}/daubix.res")
else()
  add_dependencies(daubix_tests daubix_art)
endif()

if(DAUBIX_BENCH)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    file(GLOB DAUBIX_BENCH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
    if(DAUBIX_BENCH_SOURCES)
      add_executable(daubix_bench ${DAUBIX_BENCH_SOURCES})
      # The headless backend's codec stands in for the system's in the PNG figures.
      target_link_libraries(daubix_bench PRIVATE daubix_headless benchmark::benchmark benchmark::benchmark_main)
    endif()
  endif()
endif()
