#include "engine/syntax.h"

#include <array>

#include "engine/text_ops.h"

namespace zorvane {
namespace {

// Function names other than EXP, which stands as "F[17]" already, in the order
// in which they are classed and coded.
struct FunctionName {
  std::string_view name;
  std::string_view code;
};
constexpr std::array<FunctionName, 9> kFunctionNames{{
    {"SIN", "F[11]"},
    {"COS", "F[12]"},
    {"TAN", "F[13]"},
    {"ASN", "F[14]"},
    {"ACS", "F[15]"},
    {"ATN", "F[16]"},
    {"LN", "F[18]"},
    {"LOG", "F[19]"},
    {"SQR", "F[20]"},
}};

constexpr std::string_view kExpCode = "F[17]";
constexpr std::string_view kPi = "3.141592653589793";

// Neighbour classes that no expression may hold. Besides the usual list, a
// function name before "*" or "/", PI before a function name, a point before
// "(" and ")" before PI are refused: nothing sensible can be computed from them.
constexpr std::array<std::string_view, 31> kForbiddenPairs{
    "bi", "ai", "ki", "ji", "hk", "hj", "bk", "kk", "ih", "dh", "id", "ia", "da", "aj", "jk", "kj",
    "bj", "jj", "fd", "df", "fg", "gf", "ff", "fh", "gg", "ga", "ig", "ak", "fa", "gh", "if"};
// Between two function names, none of "^", a sign, "*", "/", one digit, PI or ")".
constexpr std::string_view kForbiddenBetweenNames = "jbkdfi";

// Class letters are "a" to "k"; a table of forbidden neighbours indexed by them.
using PairTable = std::array<std::array<bool, 11>, 11>;
constexpr PairTable MakePairTable() {
  PairTable table{};
  for (const std::string_view pair : kForbiddenPairs)
    table[pair[0] - 'a'][pair[1] - 'a'] = true;
  return table;
}
constexpr PairTable kForbiddenPairTable = MakePairTable();

// Replaces every multi-character token by `letter`: EXP's code first, so that
// its digits are never taken for a number, then the names, then PI.
std::string ReplaceWordTokens(std::string_view text, std::string_view letter) {
  std::string out(text);
  ReplaceAllShrinking(out, kExpCode, letter);
  for (const FunctionName& f : kFunctionNames)
    ReplaceAllShrinking(out, f.name, letter);
  ReplaceAllShrinking(out, "PI", letter);
  return out;
}

char CharClass(char c) {
  switch (c) {
    case '^':
      return 'j';
    case '+':
    case '-':
      return 'b';
    case '/':
    case '*':
      return 'k';
    case '.':
      return 'g';
    case '(':
      return 'h';
    case ')':
      return 'i';
    default:
      return IsDigit(c) ? 'd' : c;
  }
}

bool IsClassLetter(char c) {
  switch (c) {
    case 'a':
    case 'b':
    case 'd':
    case 'f':
    case 'g':
    case 'h':
    case 'i':
    case 'j':
    case 'k':
      return true;
    default:
      return false;
  }
}

bool HasSmallLetter(std::string_view text) {
  for (const char c : text) {
    if (c >= 'a' && c <= 'z') return true;
  }
  return false;
}

// Rule 1: only known tokens. Small letters are refused outright, so that none
// can pass as a class letter.
bool OnlyKnownTokens(std::string_view text, std::string_view classes) {
  if (HasSmallLetter(text)) return false;
  for (const char c : classes) {
    if (!IsClassLetter(c)) return false;
  }
  return true;
}

// Rule 3: every point has a digit on one side.
bool PointsBesideDigits(std::string_view classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    if (classes[i] != 'g') continue;
    const bool digitAfter = i + 1 < classes.size() && classes[i + 1] == 'd';
    const bool digitBefore = i > 0 && classes[i - 1] == 'd';
    if (!digitAfter && !digitBefore) return false;
  }
  return true;
}

// Rule 4, in one pass over the class string (known to hold class letters only).
bool NoForbiddenSequence(std::string_view classes) {
  for (std::size_t i = 0; i + 1 < classes.size(); ++i) {
    const char first = classes[i];
    const char second = classes[i + 1];
    if (kForbiddenPairTable[first - 'a'][second - 'a']) return false;
    if (first == 'a' && i + 2 < classes.size() && classes[i + 2] == 'a' &&
        Contains(kForbiddenBetweenNames, std::string_view(&second, 1))) {
      return false;
    }
  }
  return true;
}

// Rule 5: only the total balance counts; one missing ")" is supplied.
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

// Rules 6 and 7: in every number (a run of digits and points) at most one point
// and at most 101 digits before it.
bool NumbersWellFormed(std::string_view classes) {
  int points = 0;
  int integerDigits = 0;
  for (const char c : classes) {
    if (c == 'g') {
      if (++points == 2) return false;
    } else if (c == 'd') {
      if (points == 0 && ++integerDigits > 101) return false;
    } else {
      points = 0;
      integerDigits = 0;
    }
  }
  return true;
}

// Rule 8: a number whose integer part is empty or all zeros may not have 100 or
// more zeros after its point followed by a non-zero digit.
bool NoFractionBelowRange(std::string_view text) {
  const std::string words = ReplaceWordTokens(text, " ");
  bool integerPartZero = true;  // no non-zero digit since the last separator
  std::size_t i = 0;
  while (i < words.size()) {
    const char c = words[i];
    if (c == '.') {
      if (integerPartZero) {
        std::size_t zeros = 0;
        std::size_t j = i + 1;
        while (j < words.size() && words[j] == '0')
          ++zeros, ++j;
        if (zeros >= 100 && j < words.size() && IsDigit(words[j])) return false;
      }
      integerPartZero = false;
    } else if (IsDigit(c)) {
      if (c != '0') integerPartZero = false;
    } else {
      integerPartZero = true;
    }
    ++i;
  }
  return true;
}

}  // namespace

std::string ClassString(std::string_view text) {
  std::string classes(text);
  ReplaceAllShrinking(classes, kExpCode, "a");
  for (const FunctionName& f : kFunctionNames)
    ReplaceAllShrinking(classes, f.name, "a");
  ReplaceAllShrinking(classes, "PI", "f");
  // The remaining tokens are single characters; letters put in above stay.
  for (char& c : classes)
    c = CharClass(c);
  return classes;
}

bool CheckSyntax(std::string& text) {
  const std::string classes = ClassString(text);
  if (!OnlyKnownTokens(text, classes)) return false;
  if (classes == "hhi" || classes == "hii") return false;
  if (!PointsBesideDigits(classes)) return false;
  if (!NoForbiddenSequence(classes)) return false;
  if (!BalanceBrackets(text)) return false;
  if (!NumbersWellFormed(classes)) return false;
  return NoFractionBelowRange(text);
}

void SubstituteFunctionCodes(std::string& text) {
  // After the check every letter belongs to a token and no name can be found
  // across two tokens, so one pass from the left gives the same text as
  // replacing the names one after the other.
  if (text.find_first_of("SCTALP") == std::string::npos) return;
  std::string coded;
  coded.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = std::string_view(text).substr(i);
    const FunctionName* name = nullptr;
    for (const FunctionName& f : kFunctionNames) {
      if (rest.starts_with(f.name)) name = &f;
    }
    if (name != nullptr) {
      coded.append(name->code);
      i += name->name.size();
    } else if (rest.starts_with("PI")) {
      coded.append(kPi);
      i += 2;
    } else {
      coded.push_back(text[i++]);
    }
  }
  text = std::move(coded);
}

}  // namespace zorvane
