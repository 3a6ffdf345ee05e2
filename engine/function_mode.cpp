#include "engine/function_mode.h"

#include "engine/text_ops.h"

namespace zorvane {
namespace {

constexpr char kIdleMark = 'a';
constexpr char kSeparator = ',';

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

FunctionModeStep RunFunctionMode(std::string_view formula, const FormulaState& state,
                                 std::string_view inputText) {
  using Kind = FunctionModeStep::Kind;
  if (Contains(formula, ",")) return {Kind::Failed, {}, {}, {}};
  if (formula.empty()) return {Kind::Evaluate, {}, {}, {}};

  std::string substituted = state.formula;
  if (state.pendingVariable) {
    const std::size_t equals = inputText.find('=');
    const std::string_view value =
        equals == std::string_view::npos ? inputText : inputText.substr(equals + 1);
    std::string bracketed;
    bracketed.reserve(value.size() + 2);
    bracketed.append("(").append(value).append(")");
    substituted = ReplaceAll(substituted, *state.pendingVariable, bracketed);
  }
  for (char digit = '0'; digit <= '9'; ++digit) {
    const std::string name{'X', digit};
    if (Contains(substituted, name)) {
      return {Kind::Prompt, {}, name + "=", FormulaState{name, substituted}};
    }
  }
  return {Kind::Evaluate, std::move(substituted), {}, {}};
}

}  // namespace zorvane
