// memchr for the Windows build, linked into the program in place of the C
// runtime's (msvcrt.dll), which may read one byte at a time (Wine's does). The
// engine looks for single characters in working texts of up to tens of
// thousands of characters in every cycle (std::string::find ends in memchr);
// with a byte loop the longest inputs took four to eight times as long as on
// Linux under Wine.
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

extern "C" void* memchr(const void* start, int c, std::size_t n) {
  const unsigned char* p = static_cast<const unsigned char*>(start);
  const auto wanted = static_cast<unsigned char>(c);
#if defined(__SSE2__)
  // Sixteen bytes a compare; the mask has a bit for each byte that matched.
  const __m128i pattern = _mm_set1_epi8(static_cast<char>(wanted));
  for (; n >= 16; p += 16, n -= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int mask = _mm_movemask_epi8(_mm_cmpeq_epi8(block, pattern));
    if (mask != 0)
      return const_cast<unsigned char*>(p + __builtin_ctz(static_cast<unsigned>(mask)));
  }
#endif
  for (; n > 0; ++p, --n) {
    if (*p == wanted) return const_cast<unsigned char*>(p);
  }
  return nullptr;
}
