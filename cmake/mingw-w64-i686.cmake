# The Windows program that ships: 32-bit on purpose. On current Windows only a 32-bit
# interactive program without a requested execution level gets registry virtualization,
# which keeps a standard user's settings under HKEY_LOCAL_MACHINE\SOFTWARE.
set(corpus_mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
