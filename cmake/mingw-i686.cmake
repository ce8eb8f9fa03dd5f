# Cross build of the shipping 32-bit applet for Windows XP and earlier. It
# uses the win32 thread model: the posix one links winpthreads, which needs
# GetTickCount64 (Windows Vista). No tests are built for this architecture.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VYR_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VYR_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${VYR_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${VYR_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VYR_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
