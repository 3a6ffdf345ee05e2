#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// Turns the final number text into the result text the log shows: ten
// significant digits, fixed or exponent form. Fails (none) when the last
// computed number text has an exponent beyond 100 or -100.
std::optional<std::string> FormatResult(std::string_view finalNumberText,
                                        std::string_view lastNumberText, bool fixE);

}  // namespace zorvane
