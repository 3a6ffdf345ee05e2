#include "cli/calculator.h"

#include <cstdio>
#include <vector>

#include "cli/command_line.h"
#include "cli/output.h"
#include "cli/trace_text.h"
#include "engine/text/capitals.h"

namespace zorvane::cli {
namespace {

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
                       bool trace)
    : options_(options),
      functionMode_(formula.has_value()),
      formula_(formula ? ToCapitals(ArgumentText(*formula)) : std::string()),
      trace_([](std::string_view stage, std::string_view text) {
        WriteAll(stderr, TraceLine(stage, text));
      }),
      listening_(trace ? &trace_ : nullptr) {
  options_.degreesOption = "--deg";
}

Answer Calculator::Answered(std::string display, Outcome outcome, std::size_t length) {
  if (outcome.kind == OutcomeKind::Empty) return {};
  anyError = anyError || outcome.failure.has_value();
  return {std::move(display), std::move(outcome.text), std::move(outcome.failure), length};
}

Answer Calculator::Refused(std::string reason) {
  anyError = true;
  // The entry the window writes for a failure before any evaluation: the
  // Input Box text, which holds the formula.
  return {formula_, std::string(kErrorText), Failure{std::move(reason), {}}, formula_.size(), true};
}

Answer Calculator::Evaluate(std::string_view typed) {
  std::string input = ToCapitals(std::string(typed));
  Outcome outcome = zorvane::Evaluate(input, options_, listening_);
  return Answered(std::move(input), std::move(outcome), typed.size());
}

std::optional<Answer> Calculator::EvaluateFormula(const ValueFor& valueFor) {
  if (!FormulaUsable(formula_)) {
    return Refused(std::string(kFormulaUnusable));
  }
  std::string substituted = formula_;
  std::vector<GivenValue> given;
  while (std::optional<std::string> variable = NextVariable(substituted)) {
    std::optional<std::string> value = valueFor(*variable);
    if (!value) return std::nullopt;
    const std::size_t growth = Occurrences(substituted, *variable) * value->size();
    if (growth > kMaxGrowth) {
      return Refused("the value for " + *variable + " would make the formula " +
                     std::to_string(growth) + " characters longer, more than " +
                     std::to_string(kMaxGrowth));
    }
    GivenValue& put = given.emplace_back(GivenValue{*variable, ToCapitals(std::move(*value))});
    substituted = SubstituteValue(substituted, put.variable, put.text);
  }
  Outcome outcome = zorvane::EvaluateFormula(formula_, substituted, given, options_, listening_);
  return Answered(FormulaDisplay(formula_, substituted), std::move(outcome), substituted.size());
}

Answer Calculator::EvaluateFormula(std::span<const std::string_view> values) {
  std::size_t given = 0;
  std::string missing;
  std::optional<Answer> answer =
      EvaluateFormula([&](const std::string& variable) -> std::optional<std::string> {
        if (given == values.size()) {
          missing = variable;
          return std::nullopt;
        }
        return std::string(values[given++]);
      });
  if (!answer) return Refused("no value for " + missing);
  // A formula that fails before it asks for anything, or at a value, fails so
  // whatever the other values; that is the reason to give.
  const bool failedAtOnce = answer->refused || (given == 0 && answer->Failed());
  if (given < values.size() && !failedAtOnce) {
    return Refused(CountOfValues(values.size()) + " given, the formula asked for " +
                   std::to_string(given));
  }
  return std::move(*answer);
}

}  // namespace zorvane::cli
