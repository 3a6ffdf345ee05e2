#pragma once

#include <string_view>

namespace zorvane::res {

// The window's help: the keys, the options, function mode, the expression
// language and the results, in plain paragraphs (UTF-8). Made at build time
// from the manual page zorvane(1), so that the two never differ.
extern const std::string_view kHelpText;

// How many average characters wide the help window reads at the most: a line
// of the help that is longer is a paragraph, which the window wraps.
inline constexpr int kHelpColumns = 80;

}  // namespace zorvane::res
