# Cross build for 64-bit Windows with MinGW-w64, for machines whose kernel refuses 32-bit
# programs: compilers and find-roots only; the build policy lives in the project.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LOCATRIX_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
