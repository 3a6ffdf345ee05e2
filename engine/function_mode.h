#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// What the function-mode phase of EXE decided.
struct FunctionModeStep {
  enum class Kind {
    Prompt,    // ask for a variable: `prompt` goes into the Input Box
    Failed,    // the stored formula cannot be used
    Evaluate,  // `formula` is the substituted formula to evaluate
  };
  Kind kind = Kind::Evaluate;
  std::string formula;       // the substituted formula (Evaluate)
  std::string prompt;        // "X0=" ... "X9=" (Prompt)
  std::string formulaState;  // the new state (Prompt)
};

// Runs the function-mode phase: puts the value typed at a pending prompt into
// the formula, then asks for the lowest variable still in it.
FunctionModeStep RunFunctionMode(std::string_view formula, std::string_view formulaState,
                                 std::string_view inputText);

}  // namespace zorvane
