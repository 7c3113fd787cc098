# What both MinGW-w64 toolchain files share, given LOCATRIX_MINGW_PREFIX.
# The posix thread model: GoogleTest needs std::mutex, which the win32 model of GCC 12 lacks.
# The runtime is linked statically, so no pthread DLL ships.
set(CMAKE_C_COMPILER   ${LOCATRIX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LOCATRIX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${LOCATRIX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LOCATRIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests run the Windows binaries through Wine on a headless display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
