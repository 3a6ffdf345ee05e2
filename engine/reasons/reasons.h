#pragma once

#include <string>
#include <string_view>

namespace zorvane {

// Pieces of the plain words in which a failed evaluation says why (see
// failure.h).

// A ")" that turns out to close the brackets around the whole text.
inline constexpr std::string_view kUnopenedBracket =
    "a \")\" closes a bracket that was never opened";

// A value as the log would show it: "0.5", "1E+101".
std::string Shown(double value);

// A value that a check looked at: as the log would show it when that form
// reads back as the same number, else with as many digits as it takes
// ("3.0000000001", not "3"), so that a value just beyond a bound never looks
// like the bound.
std::string ShownExactly(double value);

// Where a number text whose exponent lies beyond 100 or -100 stands:
// "outside ±1E+100" or "closer to 0 than 1E-100".
std::string WhereOutOfRange(std::string_view numberText);

// The working text as a reader would write it: function codes by their names,
// number texts as values ("1.5" for 1.500000000000000e+000), without the
// brackets around the whole text.
std::string ReadableWorkingText(std::string_view text);

// A token of the typed text between double quotes, made readable (see
// Readable in characters.h).
std::string Quote(std::string_view token);

}  // namespace zorvane
