#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace zorvane {

// Where a fault stands in what the person typed: a byte index into the
// expression (in function mode, the stored formula), or into the value given
// for `variable` at its prompt.
struct TypedPlace {
  std::string variable;  // "X0" to "X9", or empty for the expression or formula
  std::size_t index = 0;
  friend bool operator==(const TypedPlace&, const TypedPlace&) = default;
};

// Why an evaluation gave "error": the reason in plain words, in the terms of
// the text as typed, such as `LN needs a positive argument, got 0` or `"T" is
// not a number, operator, bracket or function (line 1, column 4). Type "SQR"
// for the square root.` A place in it is the line and column of the typed text
// (every character counts, a UTF-8 character as one; a line break starts a new
// line); bytes that are no visible text are written escaped (\t, \xC3), so the
// text is fit to show as it is.
struct Failure {
  std::string reason;
  std::optional<TypedPlace> place;  // where the fault stands, when it stands somewhere
  bool tooLong = false;             // the text was so long that its reduction was given up
};

}  // namespace zorvane
