# Cross build for 32-bit Windows with MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(LOCATRIX_MINGW_PREFIX i686-w64-mingw32)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model of GCC 12 lacks.
# The runtime is linked statically, so no pthread DLL ships.
set(CMAKE_C_COMPILER   ${LOCATRIX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LOCATRIX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${LOCATRIX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LOCATRIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# SSE2 doubles so results match the native build bit for bit (no x87 extended precision);
# ANSI stdio so "%f" rounds as glibc does. Never -ffast-math.
set(CMAKE_C_FLAGS_INIT   "-msse2 -mfpmath=sse -D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run the Windows binaries through Wine on a headless display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
