#include "engine/exe.h"

#include "engine/evaluate.h"

namespace zorvane {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The entry for `display` and `result`: the display text, then "=" and the
// result on the next line.
void WriteEntry(ExeOutput& out, const std::string& display, std::string_view result) {
  std::string entry = display;
  entry.append(kLineBreak).append("=").append(result);
  out.entry = std::move(entry);
}

}  // namespace

std::string LogHead(std::string_view entry, bool logEmpty) {
  std::string head(entry);
  if (!logEmpty) head.append(kLineBreak);
  return head;
}

ExeOutput RunExe(const ExeInput& in, const TraceSink* trace) {
  ExeOutput out;
  const Options options{in.deg, in.fixE};
  std::string display = in.input;
  Outcome outcome;

  // Function mode ends the evaluation with "error" or a prompt, or hands over
  // the formula with the values put in.
  if (in.fMode) {
    FunctionModeStep step = RunFunctionMode(in.formula, in.formulaState, in.input);
    if (step.kind == FunctionModeStep::Kind::Prompt) {
      out.input = step.prompt;
      out.selection = {step.prompt.size(), step.prompt.size()};
      out.formulaState = std::move(step.state);
      return out;
    }
    if (step.kind == FunctionModeStep::Kind::Failed) {
      WriteEntry(out, display, kErrorText);
      out.failure = Failure{std::string(kFormulaUnusable), {}};
      out.input = std::string();
      return out;
    }
    display = FormulaDisplay(in.formula, step.formula);
    outcome = EvaluateFormula(in.formula, step.formula, step.state.given, options, trace);
  } else {
    outcome = Evaluate(in.input, options, trace);
  }
  // Any evaluation past this point drops a pending prompt.
  out.formulaState = FormulaState{std::nullopt, in.formula, {}};

  if (outcome.kind == OutcomeKind::Empty) {
    out.input = std::string();
    return out;
  }
  WriteEntry(out, display, outcome.text);
  out.failure = std::move(outcome.failure);
  // In function mode the Input Box is emptied; otherwise the expression stays,
  // wholly selected, so that typing replaces it.
  if (in.fMode) {
    out.input = std::string();
  } else {
    out.selection = {0, in.input.size()};
  }
  return out;
}

}  // namespace zorvane
