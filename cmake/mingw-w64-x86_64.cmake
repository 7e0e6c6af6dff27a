# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (package
# g++-mingw-w64-x86-64-posix). The -posix compilers are named on purpose: the
# default win32 thread model of GCC 12 has no std::mutex or std::thread, which
# GoogleTest and the tests need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(EDITOR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${EDITOR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${EDITOR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${EDITOR_MINGW}-windres)

# Headers and libraries from the MinGW sysroot only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${EDITOR_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC's runtime, the C++ library and winpthread linked in, so an executable
# imports only the DLLs every Windows has and runs copied anywhere.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
