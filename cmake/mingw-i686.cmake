# Cross build for 32-bit Windows with MinGW-w64: compilers and find-roots only; the build
# policy (SSE2 doubles, ANSI stdio, static runtime, warnings) lives in the project.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LOCATRIX_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
