#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/text_ops.h"
#include "engine/trace.h"

namespace zorvane {

// What the reduction passes share during one evaluation.
struct WorkingState {
  std::string text;            // the working text, "(" ... ")"
  std::string lastNumberText;  // the number text most recently computed
  bool deg = false;            // DEG checked
  const TraceSink* trace = nullptr;
};

// What one step of a pass did.
enum class PassStep {
  Nothing,  // nothing was ready
  Rewrote,  // the working text was rewritten
  Failed,   // the evaluation ends with "error"
};

inline bool IsSign(char c) {
  return c == '+' || c == '-';
}

// Character at `i`, or NUL beyond either end, so that looks around a position
// never leave the text.
inline char At(std::string_view text, std::ptrdiff_t i) {
  return i >= 0 && static_cast<std::size_t>(i) < text.size() ? text[static_cast<std::size_t>(i)]
                                                             : '\0';
}

// End of an operand that begins at `begin`: its first character is taken as it
// is (it may be a sign), then digits, "." and "e" (with the character after an
// "e"). Used for the exponent of a power and the argument of a function.
inline std::size_t NumberOperandEnd(std::string_view text, std::size_t begin) {
  if (begin >= text.size()) return text.size();
  std::size_t i = begin + 1;
  while (i < text.size()) {
    const char c = text[i];
    if (c == 'e') {
      i += 2;
    } else if (IsDigit(c) || c == '.') {
      ++i;
    } else {
      break;
    }
  }
  return i < text.size() ? i : text.size();
}

}  // namespace zorvane
