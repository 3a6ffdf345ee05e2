#include "engine/text/text_ops.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zorvane {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::size_t pos = text.find(from);
  if (pos == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t done = 0;
  while (pos != std::string_view::npos) {
    out.append(text, done, pos - done);
    out.append(to);
    done = pos + from.size();
    pos = text.find(from, done);
  }
  out.append(text, done);
  return out;
}

void ReplaceAllShrinking(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || to.size() > from.size()) {
    text = ReplaceAll(text, from, to);
    return;
  }
  std::size_t read = text.find(from);
  if (read == std::string::npos) return;
  std::size_t write = read;
  while (read < text.size()) {
    if (text.compare(read, from.size(), from) == 0) {
      std::copy(to.begin(), to.end(), text.begin() + static_cast<std::ptrdiff_t>(write));
      write += to.size();
      read += from.size();
    } else {
      text[write++] = text[read++];
    }
  }
  text.resize(write);
}

std::string_view Left(std::string_view text, long long count) {
  if (count <= 0) return {};
  return text.substr(0, static_cast<std::size_t>(std::min<long long>(count, text.size())));
}

std::string_view Right(std::string_view text, long long count) {
  if (count <= 0) return {};
  const auto n = static_cast<std::size_t>(std::min<long long>(count, text.size()));
  return text.substr(text.size() - n);
}

std::string_view Mid(std::string_view text, long long first, long long count) {
  first = std::max(first, 0LL);
  count = std::max(count, 0LL);
  if (first >= static_cast<long long>(text.size())) return {};
  return text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
}

std::size_t FindLast(std::string_view text, char c) {
  std::size_t end = text.size();
#if defined(__SSE2__)
  // Four compares of sixteen characters each step back over a block of 64
  // that does not hold `c`; the block that does is searched one by one below.
  constexpr std::size_t kBlock = 64;
  const __m128i pattern = _mm_set1_epi8(c);
  const auto equal = [&pattern](const char* at) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), pattern);
  };
  for (; end >= kBlock; end -= kBlock) {
    const char* block = text.data() + end - kBlock;
    const __m128i found = _mm_or_si128(_mm_or_si128(equal(block), equal(block + 16)),
                                       _mm_or_si128(equal(block + 32), equal(block + 48)));
    if (_mm_movemask_epi8(found) != 0) break;
  }
#endif
  while (end > 0) {
    if (text[--end] == c) return end;
  }
  return std::string_view::npos;
}

}  // namespace zorvane
