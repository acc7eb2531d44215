# Cross build for 64-bit Windows with mingw-w64 (the posix thread model, for std::thread
# and friends). Everything is linked statically, so the programs need no DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DAUBIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DAUBIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DAUBIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${DAUBIX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DAUBIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Lets CTest run the Windows programs of this tree through Wine.
find_program(DAUBIX_WINE wine)
if(DAUBIX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DAUBIX_WINE})
endif()
