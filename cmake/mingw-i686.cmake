# Cross build for 32-bit Windows with MinGW-w64: compilers and find-roots only. The build
# policy lives in the project's CMakeLists.txt: among it -msse2 -mfpmath=sse, so that 32-bit
# code computes with IEEE doubles as the native build does, never x87 extended precision.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LOCATRIX_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
