#pragma once

#include <cstddef>
#include <string_view>

#include "engine/passes/working_state.h"

namespace zorvane {

// Where the power pass finds the base of a "^" that follows ")": the "(" that
// opens the bracketed number and the first character of the base (its sign
// when it has one). `ready` is false when the pass leaves the power for later.
struct BracketedBase {
  bool ready = false;
  std::size_t open = 0;
  std::size_t begin = 0;
};
BracketedBase FindBracketedBase(std::string_view text, std::size_t caret);

// Evaluates the first ready "^" from the left.
PassStep ApplyFirstPower(WorkingState& state);

}  // namespace zorvane
