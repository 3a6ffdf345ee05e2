#pragma once

#include <string>
#include <string_view>

namespace zorvane::cli {

// One line of --trace output: the stage padded to ten characters, the working
// text, and after it the name of each function code the text holds, as in
// "syntax     (2*(1+F[11]30))   F[11]=SIN".
std::string TraceLine(std::string_view stage, std::string_view text);

// The line that says why an evaluation failed: "error: " and the reason.
std::string ReasonLine(std::string_view reason);

}  // namespace zorvane::cli
