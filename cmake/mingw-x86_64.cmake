# The same sources for 64-bit Windows, run under wine64. Used for the tests on
# machines whose kernel cannot execute 32-bit x86 code (no wine32 there).
set(ORVO_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
find_program(ORVO_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT ORVO_WINE64)
  set(ORVO_WINE64 /usr/lib/wine/wine64)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVO_WINE64})
