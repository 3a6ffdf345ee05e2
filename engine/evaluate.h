#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/failure.h"
#include "engine/function_mode.h"
#include "engine/options.h"
#include "engine/trace.h"

namespace zorvane {

// The result text of a failed evaluation.
inline constexpr std::string_view kErrorText = "error";

enum class OutcomeKind {
  Empty,   // nothing to evaluate: no log entry, the Input Box is emptied
  Result,  // text holds the result text
  Error,   // text holds "error", and failure says why
};

struct Outcome {
  OutcomeKind kind = OutcomeKind::Empty;
  std::string text;
  std::optional<Failure> failure;
};

// Evaluates the expression `typed` (the Input Box text). Every evaluation ends,
// whatever the input.
Outcome Evaluate(std::string_view typed, const Options& options, const TraceSink* trace = nullptr);

// Function mode: evaluates `substituted`, the stored `formula` with the values
// `given` at its prompts put in (see RunFunctionMode). The log entry is headed
// by FormulaDisplay(formula, substituted), and a failure says where it stands
// in the formula or in a value.
Outcome EvaluateFormula(std::string_view formula, std::string_view substituted,
                        std::span<const GivenValue> given, const Options& options,
                        const TraceSink* trace = nullptr);

// The same evaluation as Evaluate with every pass looking at the whole text
// each time: much slower, and the reference that the usual one is checked
// against.
Outcome EvaluateExhaustively(std::string_view typed, const Options& options,
                             const TraceSink* trace = nullptr);

}  // namespace zorvane
