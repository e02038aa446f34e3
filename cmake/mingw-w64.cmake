# Cross-building for 64-bit Windows with Debian's MinGW-w64 (POSIX threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(quobel_ziel x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${quobel_ziel}-gcc-posix)
set(CMAKE_CXX_COMPILER ${quobel_ziel}-g++-posix)
set(CMAKE_RC_COMPILER ${quobel_ziel}-windres)

# Libraries and headers of the target only: MinGW-w64's own and those built for
# it in QUOBEL_MINGW_PREFIX (wxWidgets, libpng, GoogleTest); programs from the
# build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${quobel_ziel} ${QUOBEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs need nothing but Windows' own DLLs: the C++ runtime, libgcc and
# winpthreads are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# What is shipped carries no symbols.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
