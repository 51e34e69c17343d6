# The same Windows program and tests as 64-bit programs. They exist only so that the Wine
# tests can run on a host that cannot execute 32-bit code (32-bit Wine needs it); the
# program that ships is the 32-bit one (mingw-w64-i686.cmake).
set(corpus_mingw_arch x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
