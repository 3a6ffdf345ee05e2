#include "engine/passes/syntax.h"

#include <array>

#include "engine/math/functions.h"
#include "engine/text/characters.h"
#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

// The kinds of token the check tells apart. Each token of the working text
// stands as its kind's letter in the kind string; characters of no token stay
// as they are. The letters are small and run from "a" on without a gap: the
// check refuses every small letter of the text before it reads the kinds, so a
// letter in the kind string is always a kind.
enum class Kind : char {
  FunctionName = 'a',
  Sign,
  Digit,
  Pi,
  Point,
  Open,
  Close,
  Power,
  TimesOrDivide,
};
constexpr std::size_t kKindCount = 9;
constexpr char Letter(Kind kind) {
  return static_cast<char>(kind);
}
constexpr char kFunctionName = Letter(Kind::FunctionName);
constexpr char kSign = Letter(Kind::Sign);
constexpr char kDigit = Letter(Kind::Digit);
constexpr char kPi = Letter(Kind::Pi);
constexpr char kPoint = Letter(Kind::Point);
constexpr char kOpen = Letter(Kind::Open);
constexpr char kClose = Letter(Kind::Close);
constexpr char kPower = Letter(Kind::Power);
constexpr char kTimesOrDivide = Letter(Kind::TimesOrDivide);
static_assert(kTimesOrDivide - kFunctionName + 1 == kKindCount);

constexpr std::string_view kPiName = "PI";
constexpr std::string_view kPiValue = "3.141592653589793";

// Neighbours that no expression may hold: the second cannot follow the first.
struct Neighbours {
  char first;
  char second;
};
constexpr std::array<Neighbours, 31> kForbiddenNeighbours{{
    // Nothing to work on before a ")".
    {kSign, kClose},
    {kFunctionName, kClose},
    {kTimesOrDivide, kClose},
    {kPower, kClose},
    // Nothing to work on after a "(".
    {kOpen, kTimesOrDivide},
    {kOpen, kPower},
    // Operators without an operand between them.
    {kSign, kTimesOrDivide},
    {kTimesOrDivide, kTimesOrDivide},
    {kPower, kTimesOrDivide},
    {kTimesOrDivide, kPower},
    {kSign, kPower},
    {kPower, kPower},
    {kFunctionName, kPower},
    // No product without an operator.
    {kClose, kOpen},
    {kDigit, kOpen},
    {kClose, kDigit},
    {kClose, kFunctionName},
    {kDigit, kFunctionName},
    {kPi, kDigit},
    {kDigit, kPi},
    {kPi, kPi},
    {kPi, kOpen},
    // A point belongs to the digits of one number.
    {kPi, kPoint},
    {kPoint, kPi},
    {kPoint, kPoint},
    {kPoint, kFunctionName},
    {kClose, kPoint},
    {kPoint, kOpen},
    {kClose, kPi},
    // A function takes a number, a bracket or another function, not an operator.
    {kFunctionName, kTimesOrDivide},
    {kPi, kFunctionName},
}};

// What may not stand alone between two function names ("SIN-COS(0)").
constexpr std::array<char, 6> kForbiddenBetweenNames{kPower, kSign, kTimesOrDivide,
                                                     kDigit, kPi,   kClose};

// The forbidden neighbours indexed by their kinds.
using NeighbourTable = std::array<std::array<bool, kKindCount>, kKindCount>;
constexpr std::size_t KindIndex(char kind) {
  return static_cast<std::size_t>(kind - kFunctionName);
}
constexpr NeighbourTable MakeNeighbourTable() {
  NeighbourTable table{};
  for (const Neighbours& pair : kForbiddenNeighbours)
    table[KindIndex(pair.first)][KindIndex(pair.second)] = true;
  return table;
}
constexpr NeighbourTable kForbiddenNeighbourTable = MakeNeighbourTable();

bool ForbiddenBetweenNames(char kind) {
  for (const char k : kForbiddenBetweenNames) {
    if (k == kind) return true;
  }
  return false;
}

bool IsTokenKind(char c) {
  return c >= kFunctionName && c <= kTimesOrDivide;
}

char KindOfCharacter(char c) {
  switch (c) {
    case '^':
      return kPower;
    case '+':
    case '-':
      return kSign;
    case '/':
    case '*':
      return kTimesOrDivide;
    case '.':
      return kPoint;
    case '(':
      return kOpen;
    case ')':
      return kClose;
    default:
      return IsDigit(c) ? kDigit : c;
  }
}

// Replaces every token of more than one character by one letter: the codes
// that stand already first, so that their digits are never taken for a number,
// then the names, then PI.
std::string ReplaceWordTokens(std::string_view text, std::string_view functionLetter,
                              std::string_view piLetter) {
  std::string out(text);
  for (const Function* f : FunctionsCodedFirst())
    ReplaceAllShrinking(out, f->code, functionLetter);
  for (const Function* f : FunctionsCodedBySyntax())
    ReplaceAllShrinking(out, f->name, functionLetter);
  ReplaceAllShrinking(out, kPiName, piLetter);
  return out;
}

// The working text with every token replaced by its kind's letter; the letters
// put in for names and PI are kinds already and stay.
std::string KindString(std::string_view text) {
  std::string kinds =
      ReplaceWordTokens(text, std::string_view(&kFunctionName, 1), std::string_view(&kPi, 1));
  for (char& c : kinds)
    c = KindOfCharacter(c);
  return kinds;
}

// Length of the token that begins at `i` in the working text.
std::size_t TokenLength(std::string_view text, std::size_t i) {
  const std::string_view rest = text.substr(i);
  for (const Function& f : Functions()) {
    if (rest.starts_with(f.code)) return f.code.size();
    if (rest.starts_with(f.name)) return f.name.size();
  }
  return rest.starts_with(kPiName) ? kPiName.size() : 1;
}

// Index in the working text of the token that stands at `k` in the kind string.
std::size_t TextIndexOfKind(std::string_view text, std::string_view kinds, std::size_t k) {
  std::size_t i = 0;
  for (std::size_t j = 0; j < k && i < text.size(); ++j)
    i += kinds[j] == kFunctionName || kinds[j] == kPi ? TokenLength(text, i) : 1;
  return i;
}

using Rule = SyntaxFault::Rule;

// Says which rule the text broke, with the tokens named by their places in
// the kind string. It refers to the text itself, which may grow by a ")"
// meanwhile.
class FaultReport {
 public:
  FaultReport(const std::string& text, std::string_view kinds) : text_(text), kinds_(kinds) {}

  SyntaxFault At(Rule rule, std::size_t k) const { return {rule, Index(k)}; }
  SyntaxFault Between(Rule rule, std::size_t k) const {
    return {rule, Index(k), Index(k - 1), rule == Rule::CannotStandBetween ? Index(k + 1) : npos};
  }

 private:
  static constexpr std::size_t npos = std::string::npos;
  std::size_t Index(std::size_t k) const { return TextIndexOfKind(text_, kinds_, k); }

  const std::string& text_;
  std::string_view kinds_;
};

// The check refuses every small letter, so that none can pass as a kind
// letter.
bool IsSmallLetter(char c) {
  return c >= 'a' && c <= 'z';
}

std::size_t FirstSmallLetter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsSmallLetter(text[i])) return i;
  }
  return std::string_view::npos;
}

// The first kind-string index of a character of no token.
std::size_t FirstUnknownKind(std::string_view kinds) {
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    if (!IsTokenKind(kinds[k])) return k;
  }
  return std::string_view::npos;
}

// Only known tokens. Small letters are refused first, wherever they stand.
std::optional<SyntaxFault> OnlyKnownTokens(const FaultReport& report, std::string_view text,
                                           std::string_view kinds) {
  const std::size_t small = FirstSmallLetter(text);
  if (small != std::string_view::npos) return SyntaxFault{Rule::UnknownToken, small};
  const std::size_t k = FirstUnknownKind(kinds);
  if (k != std::string_view::npos) return report.At(Rule::UnknownToken, k);
  return std::nullopt;
}

// A text that is one bracket and nothing else: "(" or ")" alone.
bool IsLoneBracket(std::string_view kinds) {
  constexpr char kLoneOpen[] = {kOpen, kOpen, kClose};
  constexpr char kLoneClose[] = {kOpen, kClose, kClose};
  return kinds == std::string_view(kLoneOpen, 3) || kinds == std::string_view(kLoneClose, 3);
}

// Every point has a digit on one side.
std::optional<SyntaxFault> PointsBesideDigits(const FaultReport& report, std::string_view kinds) {
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    if (kinds[k] != kPoint) continue;
    const bool digitAfter = k + 1 < kinds.size() && kinds[k + 1] == kDigit;
    const bool digitBefore = k > 0 && kinds[k - 1] == kDigit;
    if (!digitAfter && !digitBefore) return report.At(Rule::LonePoint, k);
  }
  return std::nullopt;
}

// No forbidden neighbours, in one pass over the kind string (known to hold
// kind letters only).
std::optional<SyntaxFault> NoForbiddenNeighbours(const FaultReport& report,
                                                 std::string_view kinds) {
  for (std::size_t k = 0; k + 1 < kinds.size(); ++k) {
    const char first = kinds[k];
    const char second = kinds[k + 1];
    if (kForbiddenNeighbourTable[KindIndex(first)][KindIndex(second)]) {
      // The first and the last character are the brackets around the whole text.
      if (k == 0) return report.At(Rule::CannotBegin, k + 1);
      if (k + 2 == kinds.size()) return report.At(Rule::CannotEnd, k);
      return report.Between(Rule::CannotFollow, k + 1);
    }
    if (first == kFunctionName && k + 2 < kinds.size() && kinds[k + 2] == kFunctionName &&
        ForbiddenBetweenNames(second)) {
      return report.Between(Rule::CannotStandBetween, k + 1);
    }
  }
  return std::nullopt;
}

// Only the total balance counts; one missing ")" is supplied.
bool BalanceBrackets(std::string& text) {
  long long total = 0;
  for (const char c : text) {
    if (c == '(') ++total;
    if (c == ')') --total;
  }
  if (total < 0 || total > 1) return false;
  if (total == 1) text.push_back(')');
  return true;
}

constexpr int kMaxIntegerDigits = 101;

// In every number (a run of digits and points) at most one point and at most
// 101 digits before it.
std::optional<SyntaxFault> NumbersWellFormed(const FaultReport& report, std::string_view kinds) {
  int points = 0;
  int integerDigits = 0;
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    const char c = kinds[k];
    if (c == kPoint) {
      if (++points == 2) return report.At(Rule::SecondPoint, k);
    } else if (c == kDigit) {
      if (points == 0 && ++integerDigits > kMaxIntegerDigits) {
        return report.At(Rule::TooManyDigits, k);
      }
    } else {
      points = 0;
      integerDigits = 0;
    }
  }
  return std::nullopt;
}

constexpr std::size_t kMaxLeadingFractionZeros = 99;

// A number whose integer part is empty or all zeros may not have 100 or more
// zeros after its point followed by a non-zero digit: it would lie below
// 1E-100.
std::optional<SyntaxFault> NoFractionBelowRange(const FaultReport& report, std::string_view text) {
  // One blank for every token of more than one character, so that an index
  // into `words` is one into the kind string too.
  const std::string words = ReplaceWordTokens(text, " ", " ");
  bool integerPartZero = true;  // no non-zero digit since the last separator
  for (std::size_t i = 0; i < words.size(); ++i) {
    const char c = words[i];
    if (c == '.') {
      if (integerPartZero) {
        std::size_t zeros = 0;
        std::size_t j = i + 1;
        while (j < words.size() && words[j] == '0')
          ++zeros, ++j;
        if (zeros > kMaxLeadingFractionZeros && j < words.size() && IsDigit(words[j])) {
          return report.At(Rule::BelowRange, j);
        }
      }
      integerPartZero = false;
    } else if (IsDigit(c)) {
      if (c != '0') integerPartZero = false;
    } else {
      integerPartZero = true;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<SyntaxFault> CheckSyntax(std::string& text) {
  const std::string kinds = KindString(text);
  const FaultReport report(text, kinds);
  if (auto fault = OnlyKnownTokens(report, text, kinds)) return fault;
  if (IsLoneBracket(kinds)) return report.At(Rule::LoneBracket, 1);
  if (auto fault = PointsBesideDigits(report, kinds)) return fault;
  if (auto fault = NoForbiddenNeighbours(report, kinds)) return fault;
  if (!BalanceBrackets(text)) return SyntaxFault{Rule::Unbalanced};
  if (auto fault = NumbersWellFormed(report, kinds)) return fault;
  return NoFractionBelowRange(report, text);
}

std::size_t FirstUnknownCharacter(std::string_view text) {
  const std::string kinds = KindString(text);
  std::size_t i = 0;
  for (std::size_t k = 0; k < kinds.size() && i < text.size(); ++k) {
    if (IsSmallLetter(text[i]) || !IsTokenKind(kinds[k])) return i;
    i += kinds[k] == kFunctionName || kinds[k] == kPi ? TokenLength(text, i) : 1;
  }
  return std::string_view::npos;
}

std::string TokenText(std::string_view text, std::size_t i) {
  if (i >= text.size()) return {};
  std::size_t length = TokenLength(text, i);
  if (length == 1) length = CharacterLength(text, i);
  std::string_view token = text.substr(i, length);
  if (const Function* f = FunctionWithCode(token)) token = f->name;
  return std::string(token);
}

std::string SubstituteFunctionCodes(std::string_view text) {
  // After the check every letter belongs to a token and no name can be found
  // across two tokens, so one pass from the left gives the same text as
  // replacing the names one after the other. Names and PI begin with a capital.
  const auto isCapital = [](char c) { return c >= 'A' && c <= 'Z'; };
  std::size_t i = 0;
  while (i < text.size() && !isCapital(text[i]))
    ++i;
  if (i == text.size()) return std::string(text);
  std::string coded(text.substr(0, i));
  coded.reserve(text.size() * 2);
  while (i < text.size()) {
    if (!isCapital(text[i])) {
      coded.push_back(text[i++]);
      continue;
    }
    const std::string_view rest = text.substr(i);
    // No name begins another, so the first that matches is the only one.
    const Function* name = nullptr;
    for (const Function* f : FunctionsCodedBySyntax()) {
      if (f->name.front() == rest.front() && rest.starts_with(f->name)) {
        name = f;
        break;
      }
    }
    if (name != nullptr) {
      coded.append(name->code);
      i += name->name.size();
    } else if (rest.starts_with(kPiName)) {
      coded.append(kPiValue);
      i += kPiName.size();
    } else {
      coded.push_back(text[i++]);
    }
  }
  return coded;
}

}  // namespace zorvane
