#include "engine/function_mode.h"

#include "engine/text_ops.h"

namespace zorvane {

FunctionModeStep RunFunctionMode(std::string_view formula, std::string_view formulaState,
                                 std::string_view inputText) {
  using Kind = FunctionModeStep::Kind;
  if (Contains(formula, ",")) return {Kind::Failed, {}, {}, {}};
  if (formula.empty()) return {Kind::Evaluate, {}, {}, {}};

  // The state is "a," + formula when idle, or "Xn," + the partly substituted
  // formula while the value of Xn is asked for.
  const std::size_t comma = formulaState.find(',');
  const std::string_view variable = formulaState.substr(0, comma);
  std::string substituted(comma == std::string_view::npos ? std::string_view()
                                                          : formulaState.substr(comma + 1));
  if (!variable.starts_with('a')) {
    const std::size_t equals = inputText.find('=');
    const std::string_view value =
        equals == std::string_view::npos ? inputText : inputText.substr(equals + 1);
    std::string bracketed;
    bracketed.reserve(value.size() + 2);
    bracketed.append("(").append(value).append(")");
    substituted = ReplaceAll(substituted, variable, bracketed);
  }
  for (char digit = '0'; digit <= '9'; ++digit) {
    const std::string name{'X', digit};
    if (Contains(substituted, name)) {
      return {Kind::Prompt, {}, name + "=", name + "," + substituted};
    }
  }
  return {Kind::Evaluate, std::move(substituted), {}, {}};
}

}  // namespace zorvane
