# Cross-building for 64-bit Windows with Debian's MinGW-w64. The -posix
# compilers, because the -win32 ones have no std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-ranlib CACHE FILEPATH "")

# Headers and libraries come from the MinGW sysroot and from the libraries we
# built for Windows (scripts/build-windows-libs.sh), never from the Linux host.
set(LUMORA_WINDOWS_LIBS "" CACHE PATH "SDL2 and FreeType built for Windows")
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${LUMORA_WINDOWS_LIBS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
