#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// Which rule the check found broken, and where: indexes into the working text.
struct SyntaxFault {
  enum class Rule {
    UnknownToken,        // `at` is a character of no token
    LoneBracket,         // `at` is a "(" or ")" that is the whole text
    LonePoint,           // `at` is a "." without a digit beside it
    CannotBegin,         // the expression cannot begin with the token at `at`
    CannotEnd,           // the expression cannot end with the token at `at`
    CannotFollow,        // the token at `at` cannot follow the one at `follows`
    CannotStandBetween,  // ... cannot stand between the names at `follows` and `next`
    Unbalanced,          // the brackets do not balance
    SecondPoint,         // `at` is a number's second "."
    TooManyDigits,       // `at` is a number's 102nd digit before its point
    BelowRange,          // `at` ends 100 or more zeros after a point, in a number below 1E-100
  };
  Rule rule = Rule::UnknownToken;
  std::size_t at = std::string::npos;
  std::size_t follows = std::string::npos;
  std::size_t next = std::string::npos;
};

// Checks the working text by its tokens' kinds. On success (none) it may have
// appended one ")" that the text left open at its end.
std::optional<SyntaxFault> CheckSyntax(std::string& text);

// The first character of `text` that belongs to no token, the way the
// check's first rule sees it; npos when there is none.
std::size_t FirstUnknownCharacter(std::string_view text);

// The token that begins at `i` of the working text, as a reader knows it: a
// code by its function's name, a character of no token whole, all of its
// UTF-8 bytes.
std::string TokenText(std::string_view text, std::size_t i);

// Replaces the function names by their codes "F[11]" to "F[20]" and PI by
// "3.141592653589793".
std::string SubstituteFunctionCodes(std::string_view text);

}  // namespace zorvane
