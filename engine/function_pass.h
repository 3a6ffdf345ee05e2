#pragma once

#include <optional>
#include <string>

#include "engine/working_state.h"

namespace zorvane {

// The value of function code 11..20 at x, printed as the function's first
// print; none when x is outside the function's domain.
std::optional<std::string> FunctionFirstPrint(int code, double x, bool deg);

// Applies the first function code from the left whose argument is a number.
PassStep ApplyFirstFunction(WorkingState& state);

}  // namespace zorvane
