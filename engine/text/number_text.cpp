#include "engine/text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

// Large enough for any double in fixed form with up to 40 decimals.
using Buffer = std::array<char, 400>;

// Pads the exponent that to_chars wrote ("e+05", "e-123") to three digits.
std::string PadExponent(std::string_view text) {
  const std::size_t e = text.rfind(kExponentMark);
  if (e == std::string_view::npos || e + 2 > text.size()) return std::string(text);
  const std::size_t digits = text.size() - (e + 2);
  std::string out;
  out.reserve(text.size() + 2);
  out.append(text.substr(0, e + 2));
  for (std::size_t i = digits; i < 3; ++i)
    out.push_back('0');
  out.append(text.substr(e + 2));
  return out;
}

// Rough decimal order of magnitude of `number` (digits, a point, an exponent);
// only its sign is used, to tell an overflow from an underflow.
long long DecimalOrder(std::string_view number) {
  std::size_t i = 0;
  long long order = 0;
  bool seenNonZero = false;
  bool afterPoint = false;
  for (; i < number.size(); ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
    } else if (IsDigit(c)) {
      if (!seenNonZero && c != '0') seenNonZero = true;
      if (!afterPoint && seenNonZero) ++order;
      if (afterPoint && !seenNonZero) --order;
    } else {
      break;
    }
  }
  if (i < number.size()) {  // exponent part
    long long exponent = 0;
    std::size_t j = i + 1;
    const bool negative = j < number.size() && number[j] == '-';
    if (j < number.size() && (number[j] == '+' || number[j] == '-')) ++j;
    for (; j < number.size() && IsDigit(number[j]); ++j) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (number[j] - '0');
    }
    order += negative ? -exponent : exponent;
  }
  return order;
}

}  // namespace

std::string Scientific(double value, int precision) {
  Buffer buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, precision);
  return PadExponent(std::string_view(buffer.data(), result.ptr - buffer.data()));
}

std::string Fixed(double value, int precision) {
  Buffer buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, precision);
  if (result.ec != std::errc()) return Scientific(value, precision);  // never for our ranges
  return std::string(buffer.data(), result.ptr - buffer.data());
}

double ReadNumber(std::string_view text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t start = pos;
  std::size_t digits = 0;
  while (pos < text.size() && IsDigit(text[pos]))
    ++pos, ++digits;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos]))
      ++pos, ++digits;
  }
  if (digits == 0) return 0.0;
  if (pos < text.size() && (text[pos] == kExponentMark || text[pos] == kTypedExponentMark)) {
    std::size_t p = pos + 1;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
    if (p < text.size() && IsDigit(text[p])) {
      while (p < text.size() && IsDigit(text[p]))
        ++p;
      pos = p;
    }
  }
  const std::string_view number = text.substr(start, pos - start);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = DecimalOrder(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

int ExponentOfText(std::string_view text) {
  const std::string_view tail = Right(text, 4);
  std::size_t i = 0;
  bool negative = false;
  if (i < tail.size() && (tail[i] == '+' || tail[i] == '-')) {
    negative = tail[i] == '-';
    ++i;
  }
  int value = 0;
  for (; i < tail.size() && IsDigit(tail[i]); ++i)
    value = value * 10 + (tail[i] - '0');
  return negative ? -value : value;
}

}  // namespace zorvane
