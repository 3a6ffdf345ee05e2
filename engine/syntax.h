#pragma once

#include <string>
#include <string_view>

namespace zorvane {

// The class string of a working text: every token replaced by its class letter
// ("a" function name, "b" sign, "d" digit, "f" PI, "g" point, "h" "(", "i" ")",
// "j" "^", "k" "*" or "/"); characters of no token stay as they are.
std::string ClassString(std::string_view text);

// Checks the working text by its token classes. On success it may have
// appended one ")" that the text left open at its end.
bool CheckSyntax(std::string& text);

// Replaces the function names by their codes "F[11]" to "F[20]" and PI by
// "3.141592653589793".
void SubstituteFunctionCodes(std::string& text);

}  // namespace zorvane
