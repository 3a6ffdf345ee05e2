#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane {

// When the character at `at` of the working text was refused, a sentence that
// names how the expression language writes what the person most likely meant:
// SQRT, "×" and "x" between numbers, "÷", "−", "π", a decimal comma, "e" alone
// for the number e, ANS, "DEG" typed for degrees. Empty when none fits. Only a
// hint: the evaluation fails all the same. `degreesOption` names how the
// person turns degrees on.
std::string SpellingHint(std::string_view text, std::size_t at, std::string_view degreesOption);

}  // namespace zorvane
