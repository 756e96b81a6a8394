# Cross build for 64-bit Windows with Debian's mingw-w64 (the POSIX thread model, which
# GoogleTest's threads need). Only the core and its tests can be built this way: Debian has no Qt
# or SDL for Windows. The tests run under wine:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DZUZAZIZO_CORE_ONLY=ON
# scripts/windows_core.sh does this and runs them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZUZAZIZO_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${ZUZAZIZO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZUZAZIZO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZUZAZIZO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZUZAZIZO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries are linked in, so the test programs run without mingw's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Debian has no GoogleTest for Windows; its source package is built along.
set(ZUZAZIZO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree to build")

# Test discovery and ctest start the Windows programs through wine.
find_program(ZUZAZIZO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(ZUZAZIZO_WINE NAMES wine64 wine)
if(ZUZAZIZO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZUZAZIZO_WINE})
endif()
