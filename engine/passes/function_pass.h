#pragma once

#include "engine/passes/working_state.h"

namespace zorvane {

// Applies the first function code from the left whose argument is a number.
PassStep ApplyFirstFunction(WorkingState& state);

}  // namespace zorvane
