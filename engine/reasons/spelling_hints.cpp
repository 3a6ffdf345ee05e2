#include "engine/reasons/spelling_hints.h"

#include <array>

#include "engine/text/scan.h"

namespace zorvane {
namespace {

// Characters of other notations that stand for one of ours.
struct Spelling {
  std::string_view theirs;
  std::string_view hint;
};
constexpr std::array<Spelling, 6> kCharacters{{
    {"\xC3\x97", "Type \"*\" to multiply."},      // ×
    {"\xC2\xB7", "Type \"*\" to multiply."},      // ·
    {"\xC3\xB7", "Type \"/\" to divide."},        // ÷
    {"\xE2\x88\x92", "Type \"-\" to subtract."},  // −
    {"\xCF\x80", "Type \"PI\" for pi."},          // π
    {"ANS", "There is no ANS: type or paste the earlier result itself."},
}};

// A number, a closing bracket or a point ends right before `at`.
bool AfterOperand(std::string_view text, std::size_t at) {
  const char before = At(text, static_cast<std::ptrdiff_t>(at) - 1);
  return DigitOrPoint(before) || before == ')';
}

}  // namespace

std::string SpellingHint(std::string_view text, std::size_t at, std::string_view degreesOption) {
  if (at >= text.size()) return {};
  const std::string_view rest = text.substr(at);
  if (rest.starts_with("DEG")) return "For degrees, use " + std::string(degreesOption) + ".";
  for (const Spelling& s : kCharacters) {
    if (rest.starts_with(s.theirs)) return std::string(s.hint);
  }
  const auto i = static_cast<std::ptrdiff_t>(at);
  const char c = text[at];
  if ((c == 'X' || c == 'x') && AfterOperand(text, at)) return "Type \"*\" to multiply.";
  if (c == 'T' && at >= 3 && text.substr(at - 3, 3) == "SQR") {
    return "Type \"SQR\" for the square root.";
  }
  if (c == ',' && IsDigit(At(text, i - 1)) && IsDigit(At(text, i + 1))) {
    return "Type \".\" as the decimal point.";
  }
  // An "e" that is no exponent mark: nothing to its left, no exponent after it.
  const char next = At(text, i + 1);
  const bool exponentFollows = IsDigit(next) || (IsSign(next) && IsDigit(At(text, i + 2)));
  if ((c == 'E' || c == 'e') && !AfterOperand(text, at) && !exponentFollows) {
    return "Type \"EXP(1)\" for the number e.";
  }
  return {};
}

}  // namespace zorvane
