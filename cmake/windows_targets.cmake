# Windows build (mingw-w64 cross build or a native Windows toolchain): Daubix.exe, the
# Windows test program and the start-up checker.
enable_language(RC)

set(DAUBIX_WIN32_DEFINES UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# The Win32 backend, apart from the WinMain shim so that the test program can link it too.
file(GLOB DAUBIX_WIN32_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/platform/win32/*.cpp)
list(FILTER DAUBIX_WIN32_SOURCES EXCLUDE REGEX "/win_main\\.cpp$")
add_library(daubix_win32 STATIC ${DAUBIX_WIN32_SOURCES})
target_link_libraries(daubix_win32 PUBLIC daubix_app comctl32 comdlg32 shell32 gdi32 user32
  windowscodecs ole32 uuid)
target_compile_definitions(daubix_win32 PUBLIC ${DAUBIX_WIN32_DEFINES})

# Resources: the icon, the cursors and the two bitmaps are drawn from their text sources by
# host programs at build time (resources/resources.cmake).
set(DAUBIX_ART_TOOLS ico_from_text cur_from_text bmp_from_text)
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(DAUBIX_ART_TOOL_PATHS)
  foreach(tool ${DAUBIX_ART_TOOLS})
    list(APPEND DAUBIX_ART_TOOL_PATHS
      ${CMAKE_BINARY_DIR}/host-tools/${tool}${CMAKE_HOST_EXECUTABLE_SUFFIX})
  endforeach()
  ExternalProject_Add(daubix_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/resources/tools
    BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${DAUBIX_ART_TOOL_PATHS})
  list(GET DAUBIX_ART_TOOL_PATHS 0 DAUBIX_ICO_FROM_TEXT)
  list(GET DAUBIX_ART_TOOL_PATHS 1 DAUBIX_CUR_FROM_TEXT)
  list(GET DAUBIX_ART_TOOL_PATHS 2 DAUBIX_BMP_FROM_TEXT)
  set(DAUBIX_ART_TOOL_DEPENDS daubix_host_tools ${DAUBIX_ART_TOOL_PATHS})
else()
  add_subdirectory(${PROJECT_SOURCE_DIR}/resources/tools ${CMAKE_BINARY_DIR}/host-tools)
  set(DAUBIX_ICO_FROM_TEXT $<TARGET_FILE:ico_from_text>)
  set(DAUBIX_CUR_FROM_TEXT $<TARGET_FILE:cur_from_text>)
  set(DAUBIX_BMP_FROM_TEXT $<TARGET_FILE:bmp_from_text>)
  set(DAUBIX_ART_TOOL_DEPENDS ${DAUBIX_ART_TOOLS})
endif()
include(${PROJECT_SOURCE_DIR}/resources/resources.cmake)
# The headless backend reads the bitmaps daubix.rc names from where they were drawn.
target_compile_definitions(daubix_headless PRIVATE
  DAUBIX_BUILT_RESOURCES="${DAUBIX_RESOURCE_DIR}")
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/daubix.rc PROPERTIES
  OBJECT_DEPENDS "${DAUBIX_RESOURCE_INPUTS};${DAUBIX_RESOURCE_HEADERS}"
  COMPILE_OPTIONS "${DAUBIX_RC_CODEPAGE_OPTION}")
# Where the resource compiler finds the drawn files and the headers daubix.rc includes.
set(DAUBIX_RC_INCLUDE_DIRS
  $<$<COMPILE_LANGUAGE:RC>:${DAUBIX_RESOURCE_DIR}>
  $<$<COMPILE_LANGUAGE:RC>:${DAUBIX_RESOURCE_SOURCE_DIR}>)

# The program: app/ runs it (RunDaubix); win_main.cpp only makes the Win32 platform for it.
add_executable(Daubix WIN32
  ${PROJECT_SOURCE_DIR}/platform/win32/win_main.cpp
  ${PROJECT_SOURCE_DIR}/resources/daubix.rc)
target_link_libraries(Daubix PRIVATE daubix_win32)
target_include_directories(Daubix PRIVATE ${DAUBIX_RC_INCLUDE_DIRS})
add_dependencies(Daubix daubix_art)

# The start-up checker: starts Daubix.exe twice and watches its windows from outside.
add_executable(daubix_startup_check ${PROJECT_SOURCE_DIR}/tests/wine/startup_check.cpp
                                    ${PROJECT_SOURCE_DIR}/tests/wine/stored_png.cpp)
target_compile_definitions(daubix_startup_check PRIVATE ${DAUBIX_WIN32_DEFINES})
# It predicts the program's pixels with the program's own portable code.
target_link_libraries(daubix_startup_check PRIVATE daubix_core)
add_dependencies(daubix_startup_check Daubix)

# The Windows test program: the portable tests plus those of the Win32 backend, run on
# Windows semantics (files, paths, the kernel's named objects). GoogleTest is built from
# source when no installed copy for this target is found.
set(DAUBIX_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
find_package(GTest QUIET)
if(NOT GTest_FOUND AND EXISTS ${DAUBIX_GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${DAUBIX_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  foreach(lib gtest gtest_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
endif()
if(TARGET GTest::gtest)
  # The backend's tests load the program's own menus and dialog templates, and a few
  # templates of their own (tests/platform/win32/*.rc).
  set(DAUBIX_WIN32_TEST_DIR ${PROJECT_SOURCE_DIR}/tests/platform/win32)
  file(GLOB DAUBIX_WIN32_TEST_SOURCES CONFIGURE_DEPENDS
    ${DAUBIX_WIN32_TEST_DIR}/*.cpp ${DAUBIX_WIN32_TEST_DIR}/*.rc)
  set_source_files_properties(${DAUBIX_WIN32_TEST_DIR}/test_dialogs.rc PROPERTIES
    COMPILE_OPTIONS "${DAUBIX_RC_CODEPAGE_OPTION}")
  add_executable(daubix_wintests ${DAUBIX_TEST_SOURCES} ${DAUBIX_WIN32_TEST_SOURCES}
    ${PROJECT_SOURCE_DIR}/resources/daubix.rc)
  target_include_directories(daubix_wintests PRIVATE ${DAUBIX_RC_INCLUDE_DIRS})
  add_dependencies(daubix_wintests daubix_art)
  target_link_libraries(daubix_wintests PRIVATE
    daubix_headless daubix_win32 GTest::gtest GTest::gtest_main)
  target_compile_definitions(daubix_wintests PRIVATE
    DAUBIX_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  enable_testing()
  add_test(NAME wintests COMMAND daubix_wintests)
else()
  message(STATUS "GoogleTest not found: the Windows test program is not built")
endif()
