# Cross build for 32-bit Windows (x86) with Debian's MinGW-w64. The exe runs
# on 32-bit Windows and, through WoW64, on 64-bit Windows.
set(LUMO_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
