# Shared part of the two MinGW-w64 toolchain files: the caller sets
# DRENNOMAR_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR first.
#
# The posix thread model is the one Debian's MinGW-w64 C++ compilers build
# std::thread and friends for; everything is linked statically, so the
# library needs no MinGW runtime DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER "${DRENNOMAR_MINGW_TRIPLE}-gcc-posix")
set(CMAKE_CXX_COMPILER "${DRENNOMAR_MINGW_TRIPLE}-g++-posix")
set(CMAKE_RC_COMPILER "${DRENNOMAR_MINGW_TRIPLE}-windres")

set(CMAKE_FIND_ROOT_PATH "/usr/${DRENNOMAR_MINGW_TRIPLE}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
