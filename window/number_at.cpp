#include "window/number_at.h"

#include <cstddef>

namespace zorvane::window {
namespace {

bool IsMantissa(char16_t c) {
  return (c >= u'0' && c <= u'9') || c == u'.';
}

bool IsDigit(std::u16string_view line, std::size_t i) {
  return i < line.size() && line[i] >= u'0' && line[i] <= u'9';
}

// The end of the number that starts at `start`.
std::size_t NumberEnd(std::u16string_view line, std::size_t start) {
  std::size_t end = start;
  while (end < line.size() && IsMantissa(line[end]))
    ++end;
  if (end < line.size() && line[end] == u'E') {
    std::size_t exponent = end + 1;
    if (exponent < line.size() && (line[exponent] == u'+' || line[exponent] == u'-')) ++exponent;
    if (IsDigit(line, exponent)) {
      end = exponent;
      while (IsDigit(line, end))
        ++end;
    }
  }
  return end;
}

}  // namespace

std::optional<NumberSpan> NumberAt(std::u16string_view line, int position) {
  if (position < 0) return std::nullopt;
  const std::size_t at = static_cast<std::size_t>(position);
  std::optional<NumberSpan> touching;  // a number that ends at `position`
  for (std::size_t start = 0; start < line.size();) {
    if (!IsMantissa(line[start])) {
      ++start;
      continue;
    }
    const std::size_t end = NumberEnd(line, start);
    if (start > at) break;
    if (at < end) return NumberSpan{int(start), int(end)};
    if (at == end) touching = NumberSpan{int(start), int(end)};
    start = end;
  }
  return touching;
}

}  // namespace zorvane::window
