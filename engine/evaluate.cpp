#include "engine/evaluate.h"

#include <optional>
#include <vector>

#include "engine/exponent_notation.h"
#include "engine/failure_reasons.h"
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

// Line breaks and blanks go, all brackets become round ones, and sign pairs
// collapse. With `positions`, notes where each character was typed.
std::string Normalise(std::string_view typed, TypedPositions* positions) {
  std::string text;
  if (positions != nullptr) {
    text = positions->Strip();
  } else {
    text = ReplaceAll(typed, "\r\n", "");
    ReplaceAllShrinking(text, " ", "");
  }
  ReplaceAllShrinking(text, "[", "(");
  ReplaceAllShrinking(text, "{", "(");
  ReplaceAllShrinking(text, "]", ")");
  ReplaceAllShrinking(text, "}", ")");
  CollapseSignPairs(text, positions != nullptr ? &positions->of : nullptr);
  return text;
}

Outcome Run(std::string_view display, std::string_view working, const Options& options,
            const TraceSink* trace, bool exhaustive) {
  TypedPositions positions{working, {}};
  TypedPositions* const track = trace != nullptr ? &positions : nullptr;
  std::vector<std::size_t>* const of = track != nullptr ? &positions.of : nullptr;
  std::string text = Normalise(working, track);
  if (Contains(display, "()")) {
    TraceFailure(trace, [&] { return EmptyBracketsReason(display); });
    return Error();
  }
  text = "(" + text + ")";
  if (track != nullptr) {
    positions.of.insert(positions.of.begin(), 0);
    positions.of.push_back(working.size() + 1);
  }
  text = CodeNamesHoldingTheExponentMark(text, of);
  Trace(trace, "wrap", text);
  if (text.find(kTypedExponentMark) != std::string::npos) {
    std::size_t failedAt = 0;
    if (!ExpandExponentNotation(text, &failedAt, of)) {
      TraceFailure(trace, [&] { return ExponentMarkReason(text, failedAt, positions); });
      return Error();
    }
    Trace(trace, "exponent", text);
  }
  SyntaxFault fault;
  if (!CheckSyntax(text, track != nullptr ? &fault : nullptr)) {
    TraceFailure(trace, [&] { return SyntaxReason(fault, text, positions); });
    return Error();
  }
  // What the reasons need is noted where it stood before the codes went in.
  const std::size_t emptyAt = track != nullptr ? text.find("()") : std::string::npos;
  const ReductionNotes notes =
      track != nullptr ? NoteForReduction(text, positions) : ReductionNotes{};
  SubstituteFunctionCodes(text);
  Trace(trace, "syntax", text);
  if (text == "()") return {OutcomeKind::Empty, {}};
  // An empty bracket pair has no value; nothing can be computed from it.
  if (Contains(text, "()")) {
    TraceFailure(trace, [&] { return SuppliedEmptyBracketsReason(emptyAt, positions); });
    return Error();
  }

  // The reduction's reason is said in the terms of the typed text.
  std::string reductionReason;
  const TraceSink reductionSink = [&](std::string_view stage, std::string_view t) {
    if (stage == "error") {
      reductionReason = t;
    } else {
      (*trace)(stage, t);
    }
  };
  WorkingState state(std::move(text), options.deg, trace != nullptr ? &reductionSink : nullptr,
                     exhaustive);
  if (!IsOneNumber(state.Text()) && !ReduceToNumber(state)) {
    TraceFailure(trace, [&] {
      return ReductionReason(std::move(reductionReason), notes, positions, options.deg);
    });
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
