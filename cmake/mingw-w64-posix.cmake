# Cross toolchain for the Windows build: Debian's MinGW-w64 for x86-64 with the posix
# thread model (the win32 model has no std::mutex). Executables are linked statically, so
# pasahorario-cli.exe and the test programs need no MinGW DLL beside them.
# Extra prefixes to search (the libxml2 and GoogleTest built for MinGW, the Qt kit) may be
# given with -DCMAKE_FIND_ROOT_PATH=...; the MinGW sysroot is always added.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   /usr/bin/${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER  /usr/bin/${_mingw}-windres)
set(CMAKE_AR           /usr/bin/${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_mingw})
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
