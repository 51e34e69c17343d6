# Cross-compiles the Windows program as a 32-bit program with mingw-w64 (posix thread
# model, which GoogleTest needs for std::mutex) and runs its test programs under Wine.
# 32-bit on purpose: on current Windows only a 32-bit interactive program without a
# requested execution level gets registry virtualization, which keeps a standard user's
# settings under HKEY_LOCAL_MACHINE\SOFTWARE.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
