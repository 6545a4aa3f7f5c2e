# Cross build for 64-bit Windows (x64) with Debian's MinGW-w64: the default
# Windows build (build/win64) that the scripts and tests use.
set(LUMO_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
