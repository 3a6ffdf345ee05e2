#include "engine/evaluate.h"

#include <numeric>
#include <optional>
#include <vector>

#include "engine/exponent_notation.h"
#include "engine/functions.h"
#include "engine/number_text.h"
#include "engine/reasons.h"
#include "engine/reduction.h"
#include "engine/result_format.h"
#include "engine/sign_collapse.h"
#include "engine/syntax.h"
#include "engine/text_ops.h"
#include "engine/working_state.h"

namespace zorvane {
namespace {

constexpr std::string_view kErrorMark = "error";

Outcome Error() {
  return {OutcomeKind::Error, std::string(kErrorMark)};
}

// Where each character of the working text came from, kept only while someone
// listens for the reason of a failure: its position in the typed text with
// blanks and line breaks left out, counted from 1; 0 before the text and
// typedLength + 1 after it.
struct TypedPositions {
  std::vector<std::size_t> of;
  std::size_t typedLength = 0;

  std::string At(std::size_t index) const {
    return "position " + std::to_string(index < of.size() ? of[index] : typedLength + 1);
  }
};

// Line breaks and blanks go, all brackets become round ones, and sign pairs
// collapse.
std::string Normalise(std::string_view typed, TypedPositions* positions) {
  std::string text = ReplaceAll(typed, "\r\n", "");
  ReplaceAllShrinking(text, " ", "");
  if (positions != nullptr) {
    positions->typedLength = text.size();
    positions->of.resize(text.size());
    std::iota(positions->of.begin(), positions->of.end(), std::size_t{1});
  }
  ReplaceAllShrinking(text, "[", "(");
  ReplaceAllShrinking(text, "{", "(");
  ReplaceAllShrinking(text, "]", ")");
  ReplaceAllShrinking(text, "}", ")");
  CollapseSignPairs(text, positions != nullptr ? &positions->of : nullptr);
  return text;
}

// The position of `index` in `typed`, blanks and line breaks left out.
std::string PositionInTyped(std::string_view typed, std::size_t index) {
  std::string before = ReplaceAll(typed.substr(0, index), "\r\n", "");
  ReplaceAllShrinking(before, " ", "");
  return "position " + std::to_string(before.size() + 1);
}

std::string EmptyBrackets(const std::string& position) {
  return "empty brackets \"()\" at " + position;
}

std::string SyntaxReason(const SyntaxFault& fault, const TypedPositions& positions,
                         std::string_view typed) {
  if (fault.unbalanced) {
    std::size_t opens = 0;
    std::size_t closes = 0;
    for (const char c : typed) {
      opens += c == '(' || c == '[' || c == '{';
      closes += c == ')' || c == ']' || c == '}';
    }
    return std::to_string(opens) + " \"(\" but " + std::to_string(closes) + " \")\" — " +
           (opens > closes ? "only one missing \")\" is supplied" : std::string(kUnopenedBracket));
  }
  if (fault.at == std::string::npos) return fault.reason;
  return fault.reason + " (" + positions.At(fault.at) + ")";
}

Outcome Run(std::string_view display, std::string_view working, const Options& options,
            const TraceSink* trace, bool exhaustive) {
  TypedPositions positions;
  TypedPositions* const track = trace != nullptr ? &positions : nullptr;
  std::string text = Normalise(working, track);
  if (Contains(display, "()")) {
    TraceFailure(trace,
                 [&] { return EmptyBrackets(PositionInTyped(display, display.find("()"))); });
    return Error();
  }
  text = "(" + text + ")";
  if (track != nullptr) {
    positions.of.insert(positions.of.begin(), 0);
    positions.of.push_back(positions.typedLength + 1);
  }
  text = CodeNamesHoldingTheExponentMark(text, track != nullptr ? &positions.of : nullptr);
  Trace(trace, "wrap", text);
  if (text.find(kTypedExponentMark) != std::string::npos) {
    std::size_t failedAt = 0;
    if (!ExpandExponentNotation(text, &failedAt, track != nullptr ? &positions.of : nullptr)) {
      TraceFailure(trace, [&] {
        return "\"E\" needs a digit or \".\" right before it (" + positions.At(failedAt) + ")";
      });
      return Error();
    }
    Trace(trace, "exponent", text);
  }
  SyntaxFault fault;
  if (!CheckSyntax(text, track != nullptr ? &fault : nullptr)) {
    TraceFailure(trace, [&] { return SyntaxReason(fault, positions, working); });
    return Error();
  }
  // An empty bracket pair stands where it stood before the codes went in.
  const std::size_t emptyAt = track != nullptr ? text.find("()") : std::string::npos;
  SubstituteFunctionCodes(text);
  Trace(trace, "syntax", text);
  if (text == "()") return {OutcomeKind::Empty, {}};
  // An empty bracket pair has no value; nothing can be computed from it.
  if (Contains(text, "()")) {
    TraceFailure(trace, [&] {
      const bool aroundAll = emptyAt < positions.of.size() && positions.of[emptyAt] == 0;
      return EmptyBrackets(positions.At(aroundAll ? emptyAt + 1 : emptyAt));
    });
    return Error();
  }

  WorkingState state(std::move(text), options.deg, trace, exhaustive);
  if (!IsOneNumber(state.Text()) && !ReduceToNumber(state)) {
    Outcome error = Error();
    error.tooLong = state.OverBudget();
    return error;
  }
  const std::string_view finalNumber =
      std::string_view(state.Text()).substr(1, state.Text().size() - 2);
  std::optional<std::string> result =
      FormatResult(finalNumber, state.LastNumberText(), options.fixE);
  if (!result) {
    TraceFailure(trace, [&] {
      const std::string& last = state.LastNumberText();
      return "result " + Shown(ReadNumber(last)) + " is " + WhereOutOfRange(last);
    });
    return Error();
  }
  return {OutcomeKind::Result, std::move(*result)};
}

}  // namespace

Outcome Evaluate(std::string_view display, std::string_view working, const Options& options,
                 const TraceSink* trace) {
  return Run(display, working, options, trace, false);
}

Outcome EvaluateExhaustively(std::string_view display, std::string_view working,
                             const Options& options, const TraceSink* trace) {
  return Run(display, working, options, trace, true);
}

std::string EvaluateText(std::string_view input, const Options& options, const TraceSink* trace) {
  return Evaluate(input, input, options, trace).text;
}

}  // namespace zorvane
