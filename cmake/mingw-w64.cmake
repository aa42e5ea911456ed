# Cross-compiles for 64-bit Windows with mingw-w64 (Debian's mingw-w64 package). The
# posix flavour of the compilers gives std::thread and std::mutex through winpthreads.
# Everything is linked statically, so that the programs run under Wine, or on a Windows
# machine, without any of the compiler's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CADDORA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CADDORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CADDORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CADDORA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CADDORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the test programs through Wine (64-bit).
find_program(CADDORA_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(CADDORA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CADDORA_WINE})
endif()
