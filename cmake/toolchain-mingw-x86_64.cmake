# Cross-building for 64-bit Windows (x86_64) with mingw-w64:
#   cmake -S . -B build-win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZORVANE_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
