# The product: 32-bit Windows, run under Wine's 32-bit loader.
set(ORVO_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
