# Shared part of the mingw-w64 toolchain files. The posix thread model is
# used so that the C++ standard library's threads work; everything is linked
# statically so the binaries need no mingw runtime DLLs on a user's machine.
set(CMAKE_C_COMPILER ${VESK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VESK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VESK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
# Release binaries carry no symbols: they ship to users.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE_INIT "-s")
