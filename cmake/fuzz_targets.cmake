# Fuzz targets for the file parsers (tests/fuzz/*_fuzz.cpp). With DAUBIX_FUZZ (Clang) each is a
# libFuzzer program; otherwise each gets a replay main and CTest runs it over its seeds in
# tests/fuzz/corpus/<target>/ (the BMP file target also over the BMP Suite), so the targets build
# everywhere and every input that once broke a parser stays tested.
file(GLOB DAUBIX_FUZZ_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source ${DAUBIX_FUZZ_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  set(seeds)
  if(EXISTS ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name})
    list(APPEND seeds ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name})
  endif()
  if(name STREQUAL "bmp_file_fuzz")
    list(APPEND seeds ${PROJECT_SOURCE_DIR}/tests/data/bmpsuite)
  endif()
  if(DAUBIX_FUZZ)
    add_executable(${name} ${source})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    add_test(NAME fuzz.${name} COMMAND ${name} ${seeds})
  endif()
  target_link_libraries(${name} PRIVATE daubix_app)
endforeach()
