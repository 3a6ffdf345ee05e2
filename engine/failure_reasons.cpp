#include "engine/failure_reasons.h"

#include "engine/reasons.h"
#include "engine/scan.h"
#include "engine/spelling_hints.h"

namespace zorvane {
namespace {

// `reason`, where it stands, and a hint when there is one:
// "... (line 1, column 4). Type "SQR" for the square root."
std::string Placed(std::string reason, const std::string& place, const std::string& hint = {}) {
  reason.append(" (").append(place).append(")");
  if (!hint.empty()) reason.append(". ").append(hint);
  return reason;
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

std::string UnbalancedReason(std::string_view text, const TypedPositions& positions) {
  std::size_t opens = 0;
  std::size_t closes = 0;
  for (const char c : positions.typed) {
    opens += c == '(' || c == '[' || c == '{';
    closes += c == ')' || c == ']' || c == '}';
  }
  const std::string counts =
      std::to_string(opens) + " \"(\" but " + std::to_string(closes) + " \")\" — ";
  const Brackets brackets = ScanBrackets(text);
  if (opens > closes && brackets.unclosed.size() >= 2) {
    // The supplied ")" would close the last of them; the one before stays open.
    const std::size_t open = brackets.unclosed[brackets.unclosed.size() - 2];
    return counts + "only one missing \")\" is supplied; the \"(\" at " + positions.At(open) +
           " stays open";
  }
  return Placed(counts + std::string(kUnopenedBracket), positions.At(brackets.firstUnopened));
}

}  // namespace

std::string EmptyBracketsReason(std::string_view display) {
  return Placed("empty brackets \"()\"", PlaceIn(display, display.find("()")));
}

std::string SuppliedEmptyBracketsReason(std::size_t emptyAt, const TypedPositions& positions) {
  // The "(" of the brackets around the whole text was typed nowhere; the pair
  // then begins with the typed ")" after it.
  const bool aroundAll = emptyAt < positions.of.size() && positions.of[emptyAt] == 0;
  return Placed("empty brackets \"()\"", positions.At(aroundAll ? emptyAt + 1 : emptyAt));
}

std::string ExponentMarkReason(std::string_view text, std::size_t failedAt,
                               const TypedPositions& positions) {
  const std::string place = positions.At(failedAt);
  // Digits right before the mark were taken as the exponent of an earlier one.
  if (IsDigit(At(text, static_cast<std::ptrdiff_t>(failedAt) - 1))) {
    return Placed("a number has a second \"E\"", place);
  }
  return Placed("\"E\" needs a digit or \".\" right before it", place,
                SpellingHint(text, failedAt));
}

std::string SyntaxReason(const SyntaxFault& fault, std::string_view text,
                         const TypedPositions& positions) {
  if (fault.unbalanced) return UnbalancedReason(text, positions);
  std::string reason =
      ExponentSyntaxReason(fault, text, FindTypedExponentNumbers(text, positions), positions);
  if (!reason.empty()) return reason;
  if (fault.at == std::string::npos) return fault.reason;
  return Placed(fault.reason, positions.At(fault.at), SpellingHint(text, fault.at));
}

ReductionNotes NoteForReduction(std::string_view text, const TypedPositions& positions) {
  ReductionNotes notes;
  notes.exponentNumbers = FindTypedExponentNumbers(text, positions);
  const std::size_t unopened = ScanBrackets(text).firstUnopened;
  if (unopened != std::string::npos) notes.unopenedAt = positions.TypedIndex(unopened);
  return notes;
}

std::string ReductionReason(std::string reason, const ReductionNotes& notes,
                            const TypedPositions& positions, bool deg) {
  if (reason == kUnopenedBracket && notes.unopenedAt != std::string::npos) {
    return Placed(std::move(reason), PlaceIn(positions.typed, notes.unopenedAt));
  }
  // A number typed with the exponent mark that has no value on its own is
  // named as typed, not by the product and power it was rewritten into.
  for (const TypedExponentNumber& number : notes.exponentNumbers) {
    if (!reason.empty() && OwnFailure(number, deg) == reason) {
      return OutOfRangeReason(number, positions);
    }
  }
  return reason;
}

}  // namespace zorvane
