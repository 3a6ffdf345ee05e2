#pragma once

#include <string>

namespace zorvane {

// Rewrites every number written with the exponent mark "E" into a bracketed
// product with a power of ten: 1.5E-3 becomes (1.5*10^-3). Fails (returns
// false) when an "E" has no digit or point directly before it.
bool ExpandExponentNotation(std::string& text);

}  // namespace zorvane
