#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zorvane {

// Rewrites every number written with the exponent mark "E" into a bracketed
// product with a power of ten: 1.5E-3 becomes (1.5*10^-3). Fails (returns
// false) when an "E" has no digit or point directly before it, and then puts
// that "E"'s index into `failedAt` when given. Keeps `positions` (see
// ReplaceAllTracked) in step when given.
bool ExpandExponentNotation(std::string& text, std::size_t* failedAt = nullptr,
                            std::vector<std::size_t>* positions = nullptr);

}  // namespace zorvane
