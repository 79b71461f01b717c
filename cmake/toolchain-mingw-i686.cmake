# Cross build for 32-bit Windows with mingw-w64: the release build. Its
# binaries cannot run here (no 32-bit loader); their tables are checked instead.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VESK_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
