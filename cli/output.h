#pragma once

#include <cstdio>
#include <string_view>

namespace zorvane::cli {

// Writes all of `text` and, unless told not to, flushes it; false when the
// stream refused (a closed pipe, a full disk), with errno telling why.
bool WriteAll(std::FILE* stream, std::string_view text, bool flush = true);

}  // namespace zorvane::cli
