#pragma once

#include <optional>
#include <string_view>

namespace zorvane::window {

// Where a number stands in a line of an edit box: [start, end) in its UTF-16
// positions.
struct NumberSpan {
  int start;
  int end;
  friend bool operator==(const NumberSpan&, const NumberSpan&) = default;
};

// The number at `position` of `line`, as a double-click picks it: digits and
// points, then an exponent mark E with its sign and digits. A sign in front
// belongs to it at the start of the line and after "=", an opening bracket, an
// operator or E (-.5 in =-.5, -3 in 2*-3), not where it is the operator itself
// (1.5 in 2-1.5). A position between a number and what precedes or follows it
// still picks the number. No number there: nullopt.
std::optional<NumberSpan> NumberAt(std::u16string_view line, int position);

}  // namespace zorvane::window
