# Cross build of the Windows program with MinGW-w64 (posix threads variant): the `win32` preset
# builds it for i686, as shipped, and `win64` for x86_64. Every machine builds both; the tests run
# on the one this machine's Wine can start (scripts/windows-arch.sh tells which).
set(CMAKE_SYSTEM_NAME Windows)
if(NOT ORVANTA_WINDOWS_ARCH)
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows-arch.sh
                  OUTPUT_VARIABLE ORVANTA_WINDOWS_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
set(ORVANTA_WINDOWS_ARCH ${ORVANTA_WINDOWS_ARCH} CACHE STRING "i686 (as shipped) or x86_64")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVANTA_WINDOWS_ARCH)
set(CMAKE_SYSTEM_PROCESSOR ${ORVANTA_WINDOWS_ARCH})
set(ORVANTA_MINGW_PREFIX ${ORVANTA_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANTA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANTA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANTA_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVANTA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# ctest runs the Windows programs through the Wine of this build's architecture, in the tests'
# own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env ORVANTA_WINDOWS_ARCH=${ORVANTA_WINDOWS_ARCH}
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
