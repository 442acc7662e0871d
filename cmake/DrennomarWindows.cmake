# Windows cross builds: the resource compiler, and where the build can run
# what it built.
#
# The 64-bit build runs its programs (the panel host, the test programs)
# under wine64 through a small wrapper, bin/wine-run, that gives every run
# the same quiet prefix inside the build tree. The 32-bit build runs nothing:
# its checks only read the library's headers and resources.
if(NOT WIN32)
  return()
endif()

# The library's bitmaps and version block come from the resource script,
# compiled by the toolchain's windres.
enable_language(RC)

# Every program and library carries its C and C++ runtimes with it, so that
# Windows (or wine) needs no MinGW DLL beside it.
add_link_options(-static)

if(NOT CMAKE_CROSSCOMPILING OR NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  return()
endif()

# Debian keeps wine64 out of PATH, under /usr/lib/wine.
find_program(DRENNOMAR_WINE64 NAMES wine64 PATHS /usr/lib/wine /usr/lib64/wine
             DOC "wine64, to run the 64-bit Windows programs")
if(NOT DRENNOMAR_WINE64)
  message(STATUS "wine64 not found: the Windows programs are built but not run")
  return()
endif()

get_filename_component(_wine_dir "${DRENNOMAR_WINE64}" DIRECTORY)
find_program(DRENNOMAR_WINESERVER NAMES wineserver wineserver64 HINTS "${_wine_dir}"
             PATHS /usr/lib/wine /usr/lib64/wine DOC "wineserver of that wine64")
if(NOT DRENNOMAR_WINESERVER)
  message(STATUS "wineserver not found: the Windows programs are built but not run")
  return()
endif()

set(DRENNOMAR_WINEPREFIX "${PROJECT_BINARY_DIR}/wineprefix")
set(DRENNOMAR_WINE_RUN "${PROJECT_BINARY_DIR}/wine-run")
configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.in" "${DRENNOMAR_WINE_RUN}"
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE
               @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR "${DRENNOMAR_WINE_RUN}")
# Tests that run a program through it require this CTest fixture, which
# starts wine first and stops its server afterwards (tests/windows).
set(DRENNOMAR_EMULATOR_FIXTURE wine)
message(STATUS "Windows programs run through ${DRENNOMAR_WINE_RUN} (${DRENNOMAR_WINE64})")
