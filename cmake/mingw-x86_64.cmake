# The 64-bit Windows build: the same code and tests, for hosts that cannot run 32-bit programs.
set(QX_MINGW_ARCH x86_64)
set(QX_MINGW_BITS 64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
