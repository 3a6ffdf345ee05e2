#include "engine/evaluate.h"

#include <optional>

#include "engine/exponent_notation.h"
#include "engine/functions.h"
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

// Line breaks and blanks go, all brackets become round ones, and sign pairs
// collapse.
std::string Normalise(std::string_view typed) {
  std::string text = ReplaceAll(typed, "\r\n", "");
  ReplaceAllShrinking(text, " ", "");
  ReplaceAllShrinking(text, "[", "(");
  ReplaceAllShrinking(text, "{", "(");
  ReplaceAllShrinking(text, "]", ")");
  ReplaceAllShrinking(text, "}", ")");
  CollapseSignPairs(text);
  return text;
}

Outcome Run(std::string_view display, std::string_view working, const Options& options,
            const TraceSink* trace, bool exhaustive) {
  std::string text = Normalise(working);
  if (Contains(display, "()")) return Error();
  text = "(" + text + ")";
  text = CodeNamesHoldingTheExponentMark(text);
  Trace(trace, "wrap", text);
  if (Contains(text, "E")) {
    if (!ExpandExponentNotation(text)) return Error();
    Trace(trace, "exponent", text);
  }
  if (!CheckSyntax(text)) return Error();
  SubstituteFunctionCodes(text);
  Trace(trace, "syntax", text);
  if (text == "()") return {OutcomeKind::Empty, {}};
  // An empty bracket pair has no value; nothing can be computed from it.
  if (Contains(text, "()")) return Error();

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
  if (!result) return Error();
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
