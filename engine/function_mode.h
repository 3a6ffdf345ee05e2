#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// The function-mode state between two presses of EXE: the variable whose value
// is being asked for, if any, and the formula with the values given so far.
struct FormulaState {
  std::optional<std::string> pendingVariable;  // none when no value is asked for
  std::string formula;
  friend bool operator==(const FormulaState&, const FormulaState&) = default;
};

// The state as the window keeps it, as one text: the variable part, a comma
// and the formula part; "a" as the variable part means that none is pending.
// Reading takes the text before the first comma as the variable part (only
// its first character is looked at) and the text after it as the formula
// part, empty when there is no comma.
FormulaState ReadFormulaState(std::string_view text);
std::string FormulaStateText(const FormulaState& state);

// What the function-mode phase of EXE decided.
struct FunctionModeStep {
  enum class Kind {
    Prompt,    // ask for a variable: `prompt` goes into the Input Box
    Failed,    // the stored formula cannot be used
    Evaluate,  // `formula` is the substituted formula to evaluate
  };
  Kind kind = Kind::Evaluate;
  std::string formula;  // the substituted formula (Evaluate)
  std::string prompt;   // "X0=" ... "X9=" (Prompt)
  FormulaState state;   // the new state (Prompt)
};

// Runs the function-mode phase: puts the value typed at a pending prompt into
// the formula, then asks for the lowest variable still in it.
FunctionModeStep RunFunctionMode(std::string_view formula, const FormulaState& state,
                                 std::string_view inputText);

}  // namespace zorvane
