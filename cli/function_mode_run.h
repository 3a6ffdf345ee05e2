#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"
#include "engine/exe.h"

namespace zorvane::cli {

// What one evaluation put into the window's log.
struct Answer {
  std::string display;  // the text heading the entry, line breaks as CR LF; empty with no entry
  std::string result;   // the result text or "error"; empty when there was nothing to evaluate
  std::string reason;   // why it gave "error", when the calculator keeps reasons
};

// Presses EXE as the window does, with the options of the command line: on the
// text typed, or in function mode on a stored formula, giving its prompts the
// values one at a time. Under --trace it writes the working texts on standard
// error as they come.
class Calculator {
 public:
  // A value may make the formula at most this much longer. A value that holds
  // the next variable many times over would otherwise multiply the formula's
  // length at every prompt, past any memory.
  static constexpr std::size_t kMaxGrowth = std::size_t{1} << 22;

  // `formula` (as typed) stores a formula, as F_IN does, and checks F_Mode.
  // `keepReasons` keeps the engine's reason for every "error".
  Calculator(const Options& options, const std::optional<std::string>& formula, bool trace,
             bool keepReasons);
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  bool FunctionMode() const { return idle_.fMode; }
  // The formula as stored: capitals, line breaks as CR LF.
  const std::string& Formula() const { return idle_.formula; }

  // Normal mode: evaluates the text typed.
  Answer Evaluate(std::string_view typed);

  // Function mode: gives the values to the prompts in the order in which they
  // come. Too few values, or values left over when the formula asks for no
  // more, give "error" with a reason.
  Answer EvaluateFormula(const std::vector<std::string_view>& values);

  bool anyError = false;  // some answer was "error"

 private:
  friend class FormulaEvaluation;
  ExeOutput Press(const ExeInput& in);
  // The answer from the entry that a press wrote (or did not write).
  Answer Logged(const ExeOutput& out);
  Answer Refused(std::string reason);

  ExeInput idle_;  // EXE right after F_IN: the formula in the Input Box, no prompt pending
  bool trace_;
  bool listening_;
  std::string reason_;
  TraceSink sink_;
};

// One evaluation in function mode, a prompt at a time: EXE is pressed at the
// start, and again for each value typed after a prompt.
class FormulaEvaluation {
 public:
  explicit FormulaEvaluation(Calculator& calculator);

  // The variable whose value is asked for ("X0" to "X9"), or empty once the
  // evaluation has ended.
  const std::string& Asking() const { return asking_; }

  // Types `value` after the prompt and presses EXE; only while Asking() names
  // a variable. A value that would lengthen the formula by more than
  // Calculator::kMaxGrowth ends the evaluation with "error" instead.
  void Give(std::string_view value);
  std::size_t ValuesGiven() const { return given_; }
  bool Refused() const { return refused_; }

  // What the evaluation logged, once Asking() is empty.
  Answer TakeAnswer() { return std::move(answer_); }

 private:
  void Press();

  Calculator& calculator_;
  ExeInput in_;
  std::string asking_;
  std::size_t given_ = 0;
  bool refused_ = false;
  Answer answer_;
};

// The values of one input: the texts between its commas (a comma is never part
// of a value); none for an empty input.
std::vector<std::string_view> SplitValues(std::string_view input);

}  // namespace zorvane::cli
