# Cross-building for 32-bit Windows (i686) with mingw-w64:
#   cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZORVANE_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)

# Doubles are computed in SSE2 registers as on x86_64. The x87 unit would keep
# intermediate values in 80 bits, and some answers (a tangent near its pole)
# would then differ from those on every other system. Every processor that
# runs a supported Windows has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
