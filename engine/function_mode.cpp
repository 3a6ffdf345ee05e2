#include "engine/function_mode.h"

#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

constexpr char kIdleMark = 'a';
constexpr char kSeparator = ',';

// The variables in the order in which function mode asks for them.
constexpr std::string_view kVariables[] = {"X0", "X1", "X2", "X3", "X4",
                                           "X5", "X6", "X7", "X8", "X9"};

}  // namespace

FormulaState ReadFormulaState(std::string_view text) {
  const std::size_t comma = text.find(kSeparator);
  const std::string_view variable = text.substr(0, comma);
  FormulaState state;
  if (!variable.starts_with(kIdleMark)) state.pendingVariable = std::string(variable);
  if (comma != std::string_view::npos) state.formula = text.substr(comma + 1);
  return state;
}

std::string FormulaStateText(const FormulaState& state) {
  std::string text = state.pendingVariable ? *state.pendingVariable : std::string(1, kIdleMark);
  text.push_back(kSeparator);
  return text.append(state.formula);
}

std::optional<std::string> NextVariable(std::string_view formula) {
  for (const std::string_view variable : kVariables) {
    if (Contains(formula, variable)) return std::string(variable);
  }
  return std::nullopt;
}

std::vector<std::string> VariablesIn(std::string_view formula) {
  std::vector<std::string> variables;
  for (const std::string_view variable : kVariables) {
    if (Contains(formula, variable)) variables.emplace_back(variable);
  }
  return variables;
}

std::string BracketedValue(std::string_view value) {
  std::string bracketed;
  bracketed.reserve(value.size() + 2);
  return bracketed.append("(").append(value).append(")");
}

std::string SubstituteValue(std::string_view formula, std::string_view variable,
                            std::string_view value) {
  return ReplaceAll(formula, variable, BracketedValue(value));
}

std::string_view ValueTyped(std::string_view inputText) {
  const std::size_t equals = inputText.find('=');
  return equals == std::string_view::npos ? inputText : inputText.substr(equals + 1);
}

bool FormulaUsable(std::string_view formula) {
  return !Contains(formula, ",");
}

std::string FormulaDisplay(std::string_view formula, std::string_view substituted) {
  std::string display(formula);
  return display.append("=").append(substituted);
}

FunctionModeStep RunFunctionMode(std::string_view formula, const FormulaState& state,
                                 std::string_view inputText) {
  using Kind = FunctionModeStep::Kind;
  if (!FormulaUsable(formula)) return {Kind::Failed, {}, {}, {}};
  if (formula.empty()) return {Kind::Evaluate, {}, {}, {}};

  FormulaState next{std::nullopt, state.formula, state.given};
  if (state.pendingVariable) {
    const std::string_view value = ValueTyped(inputText);
    next.formula = SubstituteValue(next.formula, *state.pendingVariable, value);
    next.given.push_back({*state.pendingVariable, std::string(value)});
  }
  if (std::optional<std::string> variable = NextVariable(next.formula)) {
    std::string prompt = *variable + "=";
    next.pendingVariable = std::move(variable);
    return {Kind::Prompt, {}, std::move(prompt), std::move(next)};
  }
  std::string substituted = std::move(next.formula);
  next.formula.clear();
  return {Kind::Evaluate, std::move(substituted), {}, std::move(next)};
}

}  // namespace zorvane
