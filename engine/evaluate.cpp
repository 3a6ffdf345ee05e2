#include "engine/evaluate.h"

#include <vector>

#include "engine/math/functions.h"
#include "engine/passes/exponent_notation.h"
#include "engine/passes/reduction.h"
#include "engine/passes/result_format.h"
#include "engine/passes/sign_collapse.h"
#include "engine/passes/syntax.h"
#include "engine/passes/working_state.h"
#include "engine/reasons/failure_reasons.h"
#include "engine/reasons/reasons.h"
#include "engine/reasons/typed_text.h"
#include "engine/text/number_text.h"
#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

Outcome Error(Failure failure) {
  return {OutcomeKind::Error, std::string(kErrorText), std::move(failure)};
}

// Line breaks and blanks go, all brackets become round ones, and sign pairs
// collapse; `typed` notes where each character was typed.
std::string Normalise(TypedText& typed) {
  std::string text = typed.Strip();
  ReplaceAllShrinking(text, "[", "(");
  ReplaceAllShrinking(text, "{", "(");
  ReplaceAllShrinking(text, "]", ")");
  ReplaceAllShrinking(text, "}", ")");
  if (HasSignPair(text)) CollapseSignPairs(text, typed.Positions());
  return text;
}

// One evaluation of the text that `typed` evaluates, under `display`, the
// text that heads its log entry.
Outcome Run(std::string_view display, TypedText typed, const Options& options,
            const TraceSink* trace, bool exhaustive) {
  std::string text = Normalise(typed);
  if (Contains(display, "()")) return Error(EmptyBracketsFailure(display, typed));
  text = "(" + text + ")";
  typed.Wrap();
  // The names that hold the exponent mark "E" (EXP) are coded before the
  // exponent notation is read, so that it never takes their "E" for its mark.
  for (const Function* f : FunctionsCodedFirst()) {
    if (Contains(text, f->name))
      text = ReplaceAllTracked(text, f->name, f->code, typed.Positions());
  }
  Trace(trace, "wrap", text);
  if (text.find(kTypedExponentMark) != std::string::npos) {
    const std::string unexpanded = text;
    const std::size_t failedAt = ExpandExponentNotation(text, typed.Positions());
    if (failedAt != std::string::npos) {
      return Error(ExponentMarkFailure(unexpanded, failedAt, typed, options.degreesOption));
    }
    Trace(trace, "exponent", text);
  }
  if (const std::optional<SyntaxFault> fault = CheckSyntax(text)) {
    return Error(SyntaxFailure(*fault, text, typed, options.degreesOption));
  }
  // A failed reduction is explained from the text as it stood before the
  // codes went in.
  const std::string checked = std::move(text);
  text = SubstituteFunctionCodes(checked);
  Trace(trace, "syntax", text);
  if (text == "()") return {OutcomeKind::Empty, {}, {}};
  // An empty bracket pair has no value; nothing can be computed from it.
  if (Contains(text, "()")) return Error(SuppliedEmptyBracketsFailure(checked.find("()"), typed));

  WorkingState state(std::move(text), options, trace, exhaustive);
  if (!IsOneNumber(state.Text()) && !ReduceToNumber(state)) {
    Failure failure = ReductionFailure(state.Fault(), NoteForReduction(checked, typed), typed);
    failure.tooLong = state.OverBudget();
    return Error(std::move(failure));
  }
  const std::string_view finalNumber =
      std::string_view(state.Text()).substr(1, state.Text().size() - 2);
  std::optional<std::string> result =
      FormatResult(finalNumber, state.LastNumberText(), options.fixE);
  if (!result) {
    const std::string& last = state.LastNumberText();
    return Error({"result " + Shown(ReadNumber(last)) + " is " + WhereOutOfRange(last), {}});
  }
  return {OutcomeKind::Result, std::move(*result), {}};
}

}  // namespace

Outcome Evaluate(std::string_view typed, const Options& options, const TraceSink* trace) {
  return Run(typed, TypedText(typed), options, trace, false);
}

Outcome EvaluateFormula(std::string_view formula, std::string_view substituted,
                        std::span<const GivenValue> given, const Options& options,
                        const TraceSink* trace) {
  return Run(FormulaDisplay(formula, substituted), TypedText(substituted, formula, given), options,
             trace, false);
}

Outcome EvaluateExhaustively(std::string_view typed, const Options& options,
                             const TraceSink* trace) {
  return Run(typed, TypedText(typed), options, trace, true);
}

}  // namespace zorvane
