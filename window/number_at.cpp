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

// Whether a sign in front of a number, right after `c`, is the number's own: after
// "=", an opening bracket, an operator or an exponent mark it cannot be an
// operator itself. (A sign at the start of a line is the number's as well.)
bool SignsNumberAfter(char16_t c) {
  switch (c) {
    case u'=':
    case u'(':
    case u'[':
    case u'{':
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'^':
    case u'E':
      return true;
    default:
      return false;
  }
}

// Where the number whose digits start at `digits` begins: at its sign when the
// sign is its own (-.5 in =-.5), else at its digits (1.5 in 2-1.5).
std::size_t NumberStart(std::u16string_view line, std::size_t digits) {
  if (digits == 0 || (line[digits - 1] != u'+' && line[digits - 1] != u'-')) return digits;
  const std::size_t sign = digits - 1;
  return sign == 0 || SignsNumberAfter(line[sign - 1]) ? sign : digits;
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
  for (std::size_t digits = 0; digits < line.size();) {
    if (!IsMantissa(line[digits])) {
      ++digits;
      continue;
    }
    const std::size_t start = NumberStart(line, digits);
    const std::size_t end = NumberEnd(line, digits);
    if (start > at) break;
    if (at < end) return NumberSpan{int(start), int(end)};
    if (at == end) touching = NumberSpan{int(start), int(end)};
    digits = end;
  }
  return touching;
}

}  // namespace zorvane::window
