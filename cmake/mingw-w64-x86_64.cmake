# Cross-builds Quorlane.exe with Debian's mingw-w64 (x86-64). The compilers with the POSIX thread
# model, whatever the system's alternatives say: only they have std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread linked in, so that every program imports Windows' own DLLs only
# and runs from any folder without the compiler's. (-municode is no flag for all: it belongs to a
# program whose entry point is wmain or wWinMain; the tests keep GoogleTest's narrow main.)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Cross-built tests run under Wine, in a prefix of the build's own, in the Japanese locale.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../script/lib/wine_run;${CMAKE_BINARY_DIR}/wineprefix")
