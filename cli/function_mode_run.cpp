#include "cli/function_mode_run.h"

#include <cstdio>

#include "cli/command_line.h"
#include "cli/output.h"
#include "cli/split.h"
#include "cli/trace_text.h"

namespace zorvane::cli {
namespace {

constexpr std::string_view kResultMark = "\r\n=";
constexpr std::string_view kError = "error";

std::string CountOfValues(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " value" : " values");
}

std::size_t Occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

}  // namespace

Calculator::Calculator(const Options& options, const std::optional<std::string>& formula,
                       bool trace, bool keepReasons)
    : trace_(trace), listening_(trace || keepReasons) {
  idle_.deg = options.deg;
  idle_.fixE = options.fixE;
  if (formula) {
    // As after F_IN with F_Mode checked: the formula is stored and still
    // stands in the Input Box, and no prompt is pending.
    idle_.fMode = true;
    idle_.formula = ToCapitals(ArgumentText(*formula));
    idle_.input = idle_.formula;
    idle_.formulaState = FormulaState{std::nullopt, idle_.formula, {}};
  }
  // The engine's last call of a failed evaluation is the stage "error" with
  // the reason as its text.
  sink_ = [this](std::string_view stage, std::string_view text) {
    if (stage == kError) {
      reason_ = text;
    } else if (trace_) {
      WriteAll(stderr, TraceLine(stage, text));
    }
  };
}

ExeOutput Calculator::Press(const ExeInput& in) {
  ExeOutput out = RunExe(in, trace_ ? &sink_ : nullptr);
  reason_ = out.failure ? out.failure->reason : std::string();
  return out;
}

Answer Calculator::Logged(const ExeOutput& out) {
  Answer answer;
  const std::string_view entry = out.entry ? std::string_view(*out.entry) : std::string_view();
  const std::size_t mark = entry.rfind(kResultMark);
  if (mark == std::string_view::npos) return answer;  // no entry: nothing to evaluate
  answer.display = entry.substr(0, mark);
  answer.result = entry.substr(mark + kResultMark.size());
  if (answer.result == kError) {
    anyError = true;
    if (listening_) answer.reason = reason_.empty() ? "no reason given" : reason_;
  }
  return answer;
}

Answer Calculator::Refused(std::string reason) {
  anyError = true;
  return {idle_.formula, std::string(kError), std::move(reason)};
}

Answer Calculator::Evaluate(std::string_view typed) {
  ExeInput in = idle_;
  in.input = ToCapitals(std::string(typed));
  return Logged(Press(in));
}

Answer Calculator::EvaluateFormula(const std::vector<std::string_view>& values) {
  FormulaEvaluation evaluation(*this);
  for (std::string_view value : values) {
    if (evaluation.Asking().empty()) break;
    evaluation.Give(value);
  }
  if (evaluation.Refused()) return evaluation.TakeAnswer();
  if (!evaluation.Asking().empty()) return Refused("no value for " + evaluation.Asking());
  Answer answer = evaluation.TakeAnswer();
  // A formula that fails before its first prompt (it holds a comma) fails so
  // whatever the values; that is the reason to give.
  const bool failedAtOnce = evaluation.ValuesGiven() == 0 && answer.result == kError;
  if (evaluation.ValuesGiven() < values.size() && !failedAtOnce) {
    return Refused(CountOfValues(values.size()) + " given, the formula asked for " +
                   std::to_string(evaluation.ValuesGiven()));
  }
  return answer;
}

FormulaEvaluation::FormulaEvaluation(Calculator& calculator)
    : calculator_(calculator), in_(calculator.idle_) {
  Press();
}

void FormulaEvaluation::Press() {
  ExeOutput out = calculator_.Press(in_);
  if (!out.entry && out.formulaState && out.formulaState->pendingVariable) {
    // A prompt: "X0=" stands in the Input Box, with the caret after it.
    asking_ = *out.formulaState->pendingVariable;
    in_.input = out.input.value_or("");
    in_.formulaState = std::move(*out.formulaState);
    return;
  }
  asking_.clear();
  answer_ = calculator_.Logged(out);
}

void FormulaEvaluation::Give(std::string_view value) {
  ++given_;
  const std::string typed = ToCapitals(std::string(value));
  const std::size_t growth = Occurrences(in_.formulaState.formula, asking_) * typed.size();
  if (growth > Calculator::kMaxGrowth) {
    answer_ = calculator_.Refused("the value for " + asking_ + " would make the formula " +
                                  std::to_string(growth) + " characters longer, more than " +
                                  std::to_string(Calculator::kMaxGrowth));
    asking_.clear();
    refused_ = true;
    return;
  }
  in_.input += typed;
  Press();
}

std::vector<std::string_view> SplitValues(std::string_view input) {
  if (input.empty()) return {};
  return SplitAt(input, ',');
}

}  // namespace zorvane::cli
