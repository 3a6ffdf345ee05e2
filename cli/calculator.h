#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/evaluate.h"

namespace zorvane::cli {

// What one evaluation put into the window's log.
struct Answer {
  std::string display;  // the text heading the entry, line breaks as CR LF; empty with no entry
  std::string result;   // the result text or "error"; empty when there was nothing to evaluate
  std::optional<Failure> failure;  // why it gave "error"
  std::size_t length = 0;          // characters evaluated
  bool refused = false;  // refused before the formula was evaluated: its comma, a value too long

  bool Failed() const { return failure.has_value(); }
  std::string Reason() const { return failure ? failure->reason : std::string(); }
};

// The evaluations of one run of zorvane-cli, as the window's EXE makes them:
// of the text typed, or in function mode (--formula) of the stored formula
// with values for its prompts. Under --trace the working texts go to standard
// error as they come.
class Calculator {
 public:
  // A value may make the formula at most this much longer. A value that holds
  // the next variable many times over would otherwise multiply the formula's
  // length at every prompt, past any memory.
  static constexpr std::size_t kMaxGrowth = std::size_t{1} << 22;

  // `formula` (as typed) stores a formula, as F_IN does, and checks F_Mode.
  Calculator(const Options& options, const std::optional<std::string>& formula, bool trace);

  bool FunctionMode() const { return functionMode_; }
  // The formula as stored: capitals, line breaks as CR LF.
  const std::string& Formula() const { return formula_; }

  // Normal mode: evaluates the text typed.
  Answer Evaluate(std::string_view typed);

  // Function mode: asks `valueFor` for the value of each variable in the
  // order of the prompts, and evaluates the formula with them put in. None
  // when `valueFor` gives none.
  using ValueFor = std::function<std::optional<std::string>(const std::string& variable)>;
  std::optional<Answer> EvaluateFormula(const ValueFor& valueFor);

  // The same with the values given in the order of the prompts. Too few
  // values, or values left over when the formula asks for no more, give
  // "error" with a reason.
  Answer EvaluateFormula(std::span<const std::string_view> values);

  bool anyError = false;  // some answer was "error"

 private:
  Answer Answered(std::string display, Outcome outcome, std::size_t length);
  Answer Refused(std::string reason);

  Options options_;
  bool functionMode_ = false;
  std::string formula_;
  TraceSink trace_;
  const TraceSink* listening_ = nullptr;
};

}  // namespace zorvane::cli
