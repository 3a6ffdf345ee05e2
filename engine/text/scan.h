#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "engine/text/number_text.h"
#include "engine/text/text_ops.h"

namespace zorvane {

// Reading the working text. A computed value stands in it as a number text
// such as "1.500000000000000e+003": the sign right after the exponent mark "e"
// belongs to the number and is never an operator. The scans below step over
// that sign together with its "e", so that the passes need not know of it.

inline bool IsSign(char c) {
  return c == '+' || c == '-';
}

inline bool DigitOrPoint(char c) {
  return IsDigit(c) || c == '.';
}

// Character at `i`, or NUL beyond either end, so that looks around a position
// never leave the text.
inline char At(std::string_view text, std::ptrdiff_t i) {
  return i >= 0 && static_cast<std::size_t>(i) < text.size() ? text[static_cast<std::size_t>(i)]
                                                             : '\0';
}

// Index after the run of number characters that begins at `begin`: digits,
// points, and exponent marks each with the sign after it.
inline std::size_t NumberCharsEnd(std::string_view text, std::size_t begin) {
  std::size_t i = begin;
  while (i < text.size()) {
    const char c = text[i];
    if (c == kExponentMark) {
      i += 2;
    } else if (DigitOrPoint(c)) {
      ++i;
    } else {
      break;
    }
  }
  return std::min(i, text.size());
}

// First index of the run of number characters that ends right before `end`.
inline std::size_t NumberCharsBegin(std::string_view text, std::size_t end) {
  std::size_t k = end;
  while (k > 0) {
    const char c = text[k - 1];
    if (DigitOrPoint(c) || c == kExponentMark) {
      --k;
    } else if (IsSign(c) && At(text, static_cast<std::ptrdiff_t>(k) - 2) == kExponentMark) {
      k -= 2;
    } else {
      break;
    }
  }
  return k;
}

// End of an operand that begins at `begin`: its first character is taken as it
// is (it may be a sign), then number characters. Used for the exponent of a
// power, the argument of a function and the right operand of an operator.
inline std::size_t NumberOperandEnd(std::string_view text, std::size_t begin) {
  return begin >= text.size() ? text.size() : NumberCharsEnd(text, begin + 1);
}

// True when the operand that begins at `begin` is not yet a number: it is a
// function code or a bracket, perhaps after a sign.
inline bool OperandPending(std::string_view text, std::size_t begin) {
  const auto at = static_cast<std::ptrdiff_t>(begin);
  const char first = At(text, at);
  if (first == 'F' || first == '(') return true;
  const char second = At(text, at + 1);
  return IsSign(first) && (second == 'F' || second == '(');
}

// True when `text` is one number, a sign perhaps first; the empty text too.
inline bool IsPlainNumber(std::string_view text) {
  return NumberCharsEnd(text, IsSign(At(text, 0)) ? 1 : 0) == text.size();
}

}  // namespace zorvane
