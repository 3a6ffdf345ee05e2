#pragma once

#include <string>
#include <string_view>

namespace zorvane {

// Pieces of the plain words in which a failed evaluation says why (see
// trace.h); used only when someone listens.

// A ")" that turns out to close the brackets around the whole text.
inline constexpr std::string_view kUnopenedBracket =
    "a \")\" closes a bracket that was never opened";

// A value as the log would show it: "0.5", "1E+101".
std::string Shown(double value);

// Where a number text whose exponent lies beyond 100 or -100 stands:
// "outside ±1E+100" or "closer to 0 than 1E-100".
std::string WhereOutOfRange(std::string_view numberText);

}  // namespace zorvane
