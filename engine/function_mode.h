#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// A value given at a prompt of function mode: the variable asked for ("X0" to
// "X9") and the text typed for it.
struct GivenValue {
  std::string variable;
  std::string text;
  friend bool operator==(const GivenValue&, const GivenValue&) = default;
};

// The function-mode state between two presses of EXE: the variable whose value
// is being asked for, if any, and the formula with the values given so far.
// `given` lists those values in the order given; it is not part of the state's
// text, and serves only to say where a failure stands.
struct FormulaState {
  std::optional<std::string> pendingVariable;  // none when no value is asked for
  std::string formula;
  std::vector<GivenValue> given;
  friend bool operator==(const FormulaState&, const FormulaState&) = default;
};

// The state as the window keeps it, as one text: the variable part, a comma
// and the formula part; "a" as the variable part means that none is pending.
// Reading takes the text before the first comma as the variable part (only
// its first character is looked at) and the text after it as the formula
// part, empty when there is no comma.
FormulaState ReadFormulaState(std::string_view text);
std::string FormulaStateText(const FormulaState& state);

// The variable that function mode asks for next in `formula`: the lowest of X0
// to X9 that it holds, whatever their order in it; none when it holds none.
std::optional<std::string> NextVariable(std::string_view formula);

// Every variable that `formula` holds, in the order of the prompts when no
// value brings in another.
std::vector<std::string> VariablesIn(std::string_view formula);

// A value as function mode puts it in: between brackets.
std::string BracketedValue(std::string_view value);

// `formula` with BracketedValue(value) in place of every `variable`.
std::string SubstituteValue(std::string_view formula, std::string_view variable,
                            std::string_view value);

// The value typed at a prompt: what follows the first "=" of the Input Box
// text, or all of it when it holds none.
std::string_view ValueTyped(std::string_view inputText);

// A stored formula that holds a "," cannot be evaluated; its entry is "error",
// for this reason.
bool FormulaUsable(std::string_view formula);
inline constexpr std::string_view kFormulaUnusable =
    "the stored formula holds a \",\", which function mode cannot read";

// The text that heads the log entry of an evaluation in function mode.
std::string FormulaDisplay(std::string_view formula, std::string_view substituted);

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
  FormulaState state;   // the new state (Prompt), or the values given (Evaluate)
};

// Runs the function-mode phase: puts the value typed at a pending prompt into
// the formula, then asks for the lowest variable still in it.
FunctionModeStep RunFunctionMode(std::string_view formula, const FormulaState& state,
                                 std::string_view inputText);

}  // namespace zorvane
