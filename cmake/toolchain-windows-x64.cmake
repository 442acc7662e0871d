# 64-bit Windows (PE32+, x86-64): the same module for wine64, which runs
# where no 32-bit code can.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(DRENNOMAR_MINGW_TRIPLE x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake")
