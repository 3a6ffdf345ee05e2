#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane {

// Why the check refused a text, for a reader: filled only when asked for.
struct SyntaxFault {
  std::string reason;                  // in plain words, without a position
  std::size_t at = std::string::npos;  // index in the working text of the character at fault
  bool unbalanced = false;             // the brackets do not balance; `reason` is left empty
  // For two tokens that cannot stand side by side: the index of the first one
  // (the one at fault cannot follow it), and both tokens as a reader knows
  // them ("SIN" for its code).
  std::size_t follows = std::string::npos;
  std::string token;
  std::string previous;
};

// Checks the working text by its tokens' kinds. On success it may have appended
// one ")" that the text left open at its end. On failure, `fault` (when given)
// says why.
bool CheckSyntax(std::string& text, SyntaxFault* fault = nullptr);

// Replaces the function names by their codes "F[11]" to "F[20]" and PI by
// "3.141592653589793".
void SubstituteFunctionCodes(std::string& text);

}  // namespace zorvane
