#pragma once

#include <string_view>

#include "engine/passes/working_state.h"

namespace zorvane {

// True when the bracketed working text is a single number: between its outer
// brackets only digits, "." and "e" (the character after an "e" not looked
// at), and a sign as the first character.
bool IsOneNumber(std::string_view text);

// Rewrites the working text, one operation at a time, until it is one number.
// Returns false when the evaluation ends with "error".
bool ReduceToNumber(WorkingState& state);

}  // namespace zorvane
