# Native (Linux) build: the tests and the benchmarks.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(daubix_tests ${DAUBIX_TEST_SOURCES})
target_link_libraries(daubix_tests PRIVATE daubix_headless GTest::gtest GTest::gtest_main)
target_compile_definitions(daubix_tests PRIVATE
  DAUBIX_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
find_package(PNG QUIET)
if(PNG_FOUND)
  target_link_libraries(daubix_tests PRIVATE PNG::PNG)
  target_compile_definitions(daubix_tests PRIVATE DAUBIX_HAVE_PNG=1)
endif()
gtest_discover_tests(daubix_tests DISCOVERY_TIMEOUT 60)

# The icon's pixel art must stay something the cross build can turn into an .ico.
add_subdirectory(resources/tools ${CMAKE_BINARY_DIR}/resource-tools)
add_test(NAME resources.icon_art
  COMMAND ico_from_text ${PROJECT_SOURCE_DIR}/resources/icons/daubix.txt
          ${CMAKE_BINARY_DIR}/resource-tools/daubix.ico)

if(DAUBIX_BENCH)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    file(GLOB DAUBIX_BENCH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*.cpp)
    if(DAUBIX_BENCH_SOURCES)
      add_executable(daubix_bench ${DAUBIX_BENCH_SOURCES})
      target_link_libraries(daubix_bench PRIVATE daubix_core benchmark::benchmark benchmark::benchmark_main)
    endif()
  endif()
endif()
