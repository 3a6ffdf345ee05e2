# What the two mingw-w64 toolchain files share. Each sets ZORVANE_MINGW_TRIPLET
# and CMAKE_SYSTEM_PROCESSOR first, then includes this file.
#
# The compilers are Debian's posix-thread variants (g++-mingw-w64-*-posix),
# whose C++ library has std::thread and friends. Every program is linked
# statically, so that it imports only DLLs that come with Windows.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ZORVANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVANE_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZORVANE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the Windows programs of the tests under Wine, through the loader
# of their architecture: wine64 for x86_64, wine for i686 (Debian keeps both in
# /usr/lib/wine). Not Debian's /usr/bin/wine: whenever wine32 is installed it
# starts every program, 64-bit ones too, through the 32-bit loader, which a
# kernel that runs no 32-bit programs cannot execute.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
  find_program(ZORVANE_WINE_LOADER wine64 HINTS /usr/lib/wine)
else()
  find_program(ZORVANE_WINE_LOADER wine HINTS /usr/lib/wine)
endif()
if(ZORVANE_WINE_LOADER)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZORVANE_WINE_LOADER})
endif()
