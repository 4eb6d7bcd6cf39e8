# The 32-bit Windows build: the deliverables.
set(QX_MINGW_ARCH i686)
set(QX_MINGW_BITS 32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
