# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the -posix thread model, which
# std::thread and Qt need). Used for Qt itself and for Zerlin.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(zrl_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${zrl_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${zrl_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${zrl_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${zrl_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
