#include "engine/reasons/failure_reasons.h"

#include <algorithm>

#include "engine/reasons/reasons.h"
#include "engine/reasons/spelling_hints.h"
#include "engine/text/scan.h"

namespace zorvane {
namespace {

using Rule = SyntaxFault::Rule;

// PlacedFailure for the working character at `index`.
Failure PlacedAt(std::string reason, const TypedText& typed, std::size_t index,
                 std::string_view hint = {}) {
  return PlacedFailure(std::move(reason), typed, typed.TypedIndex(index), hint);
}

// The token at `i` of the working text between double quotes, as it was
// typed: a sign as the signs typed for it ("--" for "+"), a bracket that
// function mode put around a value by the value's variable.
std::string Token(std::string_view text, std::size_t i, const TypedText& typed) {
  if (IsSign(At(text, static_cast<std::ptrdiff_t>(i)))) return Quote(typed.TypedSigns(i));
  const std::string variable = typed.BracketedVariable(typed.TypedIndex(i));
  return Quote(variable.empty() ? TokenText(text, i) : variable);
}

constexpr std::string_view kNotAToken = " is not a number, operator, bracket or function";

Failure UnknownToken(std::string_view text, std::size_t at, const TypedText& typed,
                     std::string_view degreesOption) {
  return PlacedAt(Quote(TokenText(text, at)).append(kNotAToken), typed, at,
                  SpellingHint(text, at, degreesOption));
}

// The brackets of a working text, the pair around the whole text left out.
struct Brackets {
  std::size_t firstUnopened = std::string::npos;  // the first ")" that closes nothing
  std::vector<std::size_t> unclosed;              // every "(" that nothing closes
};

Brackets ScanBrackets(std::string_view text) {
  Brackets brackets;
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == '(') {
      brackets.unclosed.push_back(i);
    } else if (text[i] == ')') {
      if (!brackets.unclosed.empty()) {
        brackets.unclosed.pop_back();
      } else if (brackets.firstUnopened == std::string::npos) {
        brackets.firstUnopened = i;
      }
    }
  }
  return brackets;
}

Failure UnbalancedFailure(std::string_view text, const TypedText& typed) {
  // The brackets typed, of every kind; function mode's brackets around the
  // values are none of them.
  std::size_t opens = 0;
  std::size_t closes = 0;
  const std::string_view evaluated = typed.Evaluated();
  for (std::size_t i = 0; i < evaluated.size(); ++i) {
    if (!typed.BracketedVariable(i).empty()) continue;
    const char c = evaluated[i];
    opens += c == '(' || c == '[' || c == '{';
    closes += c == ')' || c == ']' || c == '}';
  }
  const std::string counts =
      std::to_string(opens) + " \"(\" but " + std::to_string(closes) + " \")\" — ";
  const Brackets brackets = ScanBrackets(text);
  if (opens > closes && brackets.unclosed.size() >= 2) {
    // The supplied ")" would close the last of them; the one before stays open.
    const std::size_t open = brackets.unclosed[brackets.unclosed.size() - 2];
    return {counts + "only one missing \")\" is supplied; the \"(\" at " + typed.At(open) +
                " stays open",
            typed.PlaceOf(typed.TypedIndex(open))};
  }
  return PlacedAt(counts + std::string(kUnopenedBracket), typed, brackets.firstUnopened);
}

// The fault in terms of a typed exponent number when its rewriting caused it
// ("1E", "1E1.5", "1E2(3)"); none otherwise.
std::optional<Failure> ExponentNumberFailure(const SyntaxFault& fault, std::string_view text,
                                             const TypedText& typed) {
  const bool follows = fault.rule == Rule::CannotFollow;
  for (const TypedExponentNumber& n : FindTypedExponentNumbers(text, typed)) {
    // Nothing whole after the mark: "1E", "1E+", "1E(2)".
    if (fault.at == n.close) {
      return NotWholeFailure(n, "", typed);
    }
    // A fraction after the exponent: "1E1.5", "1E2.".
    if (fault.at == n.close + 1 && At(text, static_cast<std::ptrdiff_t>(fault.at)) == '.') {
      const std::size_t end = NumberCharsEnd(text, fault.at);
      return NotWholeFailure(n, text.substr(fault.at, end - fault.at), typed);
    }
    if (follows && fault.follows == n.close) {
      return PlacedAt(Token(text, fault.at, typed) + " cannot follow " + Quote(n.Written()), typed,
                      fault.at);
    }
    if (follows && fault.at == n.open) {
      return PlacedAt(Quote(n.Written()) + " cannot follow " + Token(text, fault.follows, typed),
                      typed, fault.at);
    }
  }
  return std::nullopt;
}

// Two tokens that cannot stand side by side; one of them may be a bracket
// that function mode put around a value, which then speaks of that value.
Failure NeighboursFailure(const SyntaxFault& fault, std::string_view text, const TypedText& typed,
                          std::string_view degreesOption) {
  const std::size_t at = typed.TypedIndex(fault.at);
  const std::size_t previous = typed.TypedIndex(fault.follows);
  const std::string value = "the value of ";
  if (!typed.BracketedVariable(at).empty() && typed.WithinValueOf(previous, at)) {
    return PlacedAt(value + typed.BracketedVariable(at) + " cannot end with " +
                        Token(text, fault.follows, typed),
                    typed, fault.follows);
  }
  if (!typed.BracketedVariable(previous).empty() && typed.WithinValueOf(at, previous)) {
    return PlacedAt(value + typed.BracketedVariable(previous) + " cannot begin with " +
                        Token(text, fault.at, typed),
                    typed, fault.at);
  }
  return PlacedAt(
      Token(text, fault.at, typed) + " cannot follow " + Token(text, fault.follows, typed), typed,
      fault.at, SpellingHint(text, fault.at, degreesOption));
}

}  // namespace

Failure EmptyBracketsFailure(std::string_view display, const TypedText& typed) {
  const std::size_t at = display.find("()");
  std::size_t formulaIndex = 0;
  const std::size_t evaluated = typed.FromDisplay(at, formulaIndex);
  if (evaluated == std::string_view::npos) {
    return {"empty brackets \"()\" (" + typed.DescribeInFormula(formulaIndex) + ")",
            TypedPlace{{}, formulaIndex}};
  }
  // The brackets around a value that was left empty.
  const std::string variable = typed.BracketedVariable(evaluated);
  if (!variable.empty() && typed.BracketedVariable(evaluated + 1) == variable) {
    return PlacedFailure("no value was given for " + variable, typed, evaluated);
  }
  return PlacedFailure("empty brackets \"()\"", typed, evaluated);
}

Failure SuppliedEmptyBracketsFailure(std::size_t emptyAt, const TypedText& typed) {
  // The "(" of the brackets around the whole text was typed nowhere; the pair
  // then begins with the typed ")" after it.
  const bool aroundAll = typed.BeforeTyped(emptyAt);
  return PlacedAt("empty brackets \"()\"", typed, aroundAll ? emptyAt + 1 : emptyAt);
}

Failure ExponentMarkFailure(std::string_view text, std::size_t failedAt, const TypedText& typed,
                            std::string_view degreesOption) {
  // Every "E" before this one is an exponent mark that did its work: it is
  // no fault.
  std::string marksTaken(text);
  std::replace(marksTaken.begin(), marksTaken.begin() + static_cast<std::ptrdiff_t>(failedAt),
               kTypedExponentMark, '*');
  const std::size_t unknown = FirstUnknownCharacter(marksTaken);
  if (unknown < failedAt) return UnknownToken(text, unknown, typed, degreesOption);
  // Digits right before the mark were taken as the exponent of an earlier one.
  if (IsDigit(At(text, static_cast<std::ptrdiff_t>(failedAt) - 1))) {
    return PlacedAt("a number has a second \"E\"", typed, failedAt);
  }
  return PlacedAt("\"E\" needs a digit or \".\" right before it", typed, failedAt,
                  SpellingHint(text, failedAt, degreesOption));
}

Failure SyntaxFailure(const SyntaxFault& fault, std::string_view text, const TypedText& typed,
                      std::string_view degreesOption) {
  if (std::optional<Failure> failure = ExponentNumberFailure(fault, text, typed)) return *failure;
  const auto placed = [&](std::string reason) {
    return PlacedAt(std::move(reason), typed, fault.at,
                    SpellingHint(text, fault.at, degreesOption));
  };
  const auto token = [&](std::size_t i) { return Token(text, i, typed); };
  switch (fault.rule) {
    case Rule::UnknownToken:
      return UnknownToken(text, fault.at, typed, degreesOption);
    case Rule::LoneBracket:
      return placed(text[fault.at] == '(' ? "a lone \"(\" encloses nothing"
                                          : "a lone \")\" closes nothing");
    case Rule::LonePoint:
      return placed("\".\" needs a digit beside it");
    case Rule::CannotBegin:
      return placed("the expression cannot begin with " + token(fault.at));
    case Rule::CannotEnd:
      return placed("the expression cannot end with " + token(fault.at));
    case Rule::CannotFollow:
      return NeighboursFailure(fault, text, typed, degreesOption);
    case Rule::CannotStandBetween:
      return placed(token(fault.at) + " cannot stand between " + token(fault.follows) + " and " +
                    token(fault.next));
    case Rule::Unbalanced:
      return UnbalancedFailure(text, typed);
    case Rule::SecondPoint:
      return placed("a number has a second \".\"");
    case Rule::TooManyDigits:
      return placed("a number has more than 101 digits before its point");
    case Rule::BelowRange:
      return placed("a number other than 0 below 1E-100 (100 or more zeros after its point)");
  }
  return placed("the expression cannot be read");
}

ReductionNotes NoteForReduction(std::string_view text, const TypedText& typed) {
  ReductionNotes notes;
  notes.exponentNumbers = FindTypedExponentNumbers(text, typed);
  const std::size_t unopened = ScanBrackets(text).firstUnopened;
  if (unopened != std::string::npos) notes.unopenedAt = typed.TypedIndex(unopened);
  return notes;
}

Failure ReductionFailure(const ReductionFault& fault, const ReductionNotes& notes,
                         const TypedText& typed) {
  if (fault.unopenedBracket && notes.unopenedAt != std::string::npos) {
    return PlacedFailure(fault.reason, typed, notes.unopenedAt);
  }
  // A number typed with the exponent mark that has no value on its own is
  // named as typed, not by the product and power it was rewritten into.
  for (const TypedExponentNumber& number : notes.exponentNumbers) {
    if (OwnFailure(number, fault)) return OutOfRangeFailure(number, typed);
  }
  return {fault.reason, std::nullopt};
}

}  // namespace zorvane
