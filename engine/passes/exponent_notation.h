#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zorvane {

// Rewrites every number written with the exponent mark "E" into a bracketed
// product with a power of ten: 1.5E-3 becomes (1.5*10^-3), keeping
// `positions` (see ReplaceAllTracked) in step. Fails when an "E" has no digit
// or point directly before it: returns that "E"'s index, and npos on success.
std::size_t ExpandExponentNotation(std::string& text, std::vector<std::size_t>& positions);

}  // namespace zorvane
