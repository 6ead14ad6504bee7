# Cross-builds the Windows edition with Debian's MinGW-w64 (64-bit, POSIX
# threads), and runs its test programs under Wine:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZVC_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZVC_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZVC_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZVC_MINGW_PREFIX}-windres)

# Libraries and headers come from the MinGW tree only; programs run on the
# build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${ZVC_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static linking: the programs need only the DLLs that come with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest runs each test program through Wine's loader (not on PATH in Debian).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
