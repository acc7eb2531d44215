# Cross build (mingw-w64): Daubix.exe and the Windows test program. Filled in by the platform work.
