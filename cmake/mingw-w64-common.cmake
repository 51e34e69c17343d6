# Cross-compiles the Windows programs with mingw-w64 for `corpus_mingw_arch` (set by the
# toolchain file that includes this one), with the posix thread model that GoogleTest
# needs for std::mutex, and runs the test programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${corpus_mingw_arch})

set(CMAKE_C_COMPILER ${corpus_mingw_arch}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${corpus_mingw_arch}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${corpus_mingw_arch}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${corpus_mingw_arch}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
