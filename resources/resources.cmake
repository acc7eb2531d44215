# The files daubix.rc names, drawn from their text sources by the host tools of
# resources/tools. Included by the Windows targets, which compile daubix.rc into
# Daubix.exe, and by the native targets, whose tests read the compiled resources.
#
# The includer sets DAUBIX_ICO_FROM_TEXT, DAUBIX_CUR_FROM_TEXT and DAUBIX_BMP_FROM_TEXT to
# the tools and DAUBIX_ART_TOOL_DEPENDS to what builds them. This gives
# DAUBIX_RESOURCE_DIR (the folder the resource compiler must search), DAUBIX_RESOURCE_INPUTS
# (every file daubix.rc reads from it), DAUBIX_RESOURCE_HEADERS (the source files it
# includes, resource_ids.h shared with the C++), DAUBIX_RC_CODEPAGE_OPTION and the target
# daubix_art.

set(DAUBIX_RESOURCE_DIR ${CMAKE_BINARY_DIR}/resources)
set(DAUBIX_RESOURCE_SOURCE_DIR ${PROJECT_SOURCE_DIR}/resources)
configure_file(${DAUBIX_RESOURCE_SOURCE_DIR}/daubix_version.h.in
  ${DAUBIX_RESOURCE_DIR}/daubix_version.h)
set(DAUBIX_RESOURCE_INPUTS ${DAUBIX_RESOURCE_DIR}/daubix_version.h)
set(DAUBIX_RESOURCE_HEADERS ${DAUBIX_RESOURCE_SOURCE_DIR}/resource_ids.h
  ${DAUBIX_RESOURCE_SOURCE_DIR}/daubix.manifest)

function(daubix_draw_art tool source output)
  add_custom_command(OUTPUT ${DAUBIX_RESOURCE_DIR}/${output}
    COMMAND ${tool} ${DAUBIX_RESOURCE_SOURCE_DIR}/${source} ${DAUBIX_RESOURCE_DIR}/${output}
    DEPENDS ${DAUBIX_RESOURCE_SOURCE_DIR}/${source} ${DAUBIX_ART_TOOL_DEPENDS}
    COMMENT "Drawing ${output}")
  set(DAUBIX_RESOURCE_INPUTS ${DAUBIX_RESOURCE_INPUTS} ${DAUBIX_RESOURCE_DIR}/${output}
    PARENT_SCOPE)
endfunction()

daubix_draw_art(${DAUBIX_ICO_FROM_TEXT} icons/daubix.txt daubix.ico)
foreach(cursor pen magnifier pipette cross arrow drag bucket)
  daubix_draw_art(${DAUBIX_CUR_FROM_TEXT} cursors/${cursor}.txt ${cursor}.cur)
endforeach()
foreach(bitmap toolbox palette)
  daubix_draw_art(${DAUBIX_BMP_FROM_TEXT} bitmaps/${bitmap}.txt ${bitmap}.bmp)
endforeach()
add_custom_target(daubix_art DEPENDS ${DAUBIX_RESOURCE_INPUTS})

# daubix.rc is UTF-8 and says so with a pragma; the option makes sure of it for a resource
# compiler that would otherwise read the Japanese texts in the build machine's code page.
if(CMAKE_RC_COMPILER MATCHES "windres")
  set(DAUBIX_RC_CODEPAGE_OPTION --codepage=65001)
elseif(MSVC)
  set(DAUBIX_RC_CODEPAGE_OPTION /c65001)
else()
  set(DAUBIX_RC_CODEPAGE_OPTION)
endif()
