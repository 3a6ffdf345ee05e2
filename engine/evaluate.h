#pragma once

#include <string>
#include <string_view>

#include "engine/trace.h"

namespace zorvane {

// The check boxes that an evaluation reads.
struct Options {
  bool deg = false;   // angles in degrees
  bool fixE = false;  // every result in exponent form
};

enum class OutcomeKind {
  Empty,   // nothing to evaluate: no log entry, the Input Box is emptied
  Result,  // text holds the result text
  Error,   // text holds "error"
};

struct Outcome {
  OutcomeKind kind = OutcomeKind::Empty;
  std::string text;
  // The text was so long that its reduction was given up: an error that the
  // terminal front end explains.
  bool tooLong = false;
};

// Evaluates one expression. `display` is the text that heads the log entry (the
// empty-brackets check looks at it); `working` is the expression text before
// normalisation. Every evaluation ends, whatever the input.
Outcome Evaluate(std::string_view display, std::string_view working, const Options& options,
                 const TraceSink* trace = nullptr);

// The same evaluation with every pass looking at the whole text each time:
// much slower, and the reference that the usual one is checked against.
Outcome EvaluateExhaustively(std::string_view display, std::string_view working,
                             const Options& options, const TraceSink* trace = nullptr);

// Text in, result text out, as the log shows it after "=": the result, "error",
// or "" when there is nothing to evaluate.
std::string EvaluateText(std::string_view input, const Options& options,
                         const TraceSink* trace = nullptr);

}  // namespace zorvane
