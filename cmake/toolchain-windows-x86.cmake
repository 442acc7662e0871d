# 32-bit Windows (PE32, Intel 386): the build the simulator loads.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(DRENNOMAR_MINGW_TRIPLE i686-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake")
