#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/function_mode.h"
#include "engine/trace.h"

namespace zorvane {

// Everything one press of EXE reads.
struct ExeInput {
  std::string input;          // the expression typed; a line break is CR LF
  std::string output;         // the log, newest entry first
  bool fMode = false;         // function mode: evaluate the stored formula
  bool fixE = false;          // every result in exponent form
  bool deg = false;           // angles in degrees
  std::string formula;        // the formula stored for function mode
  FormulaState formulaState;  // which variable function mode is asking for
};

// A selection in the Input Box; start == end places the caret.
struct Selection {
  std::size_t start = 0;
  std::size_t end = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

// Everything one press of EXE writes back. The window writes the Output Box and
// the Input Box texts when present, then sets the selection, scrolls the caret
// into view and gives the Input Box the focus.
struct ExeOutput {
  std::optional<std::string> output;         // the new log, or none when it stays
  std::size_t entryLength = 0;               // the new log begins with an entry this long
  std::optional<std::string> input;          // the new Input Box text, or none when it stays
  Selection selection;                       // within the Input Box text after the command
  std::optional<FormulaState> formulaState;  // the new function-mode state, or none when it stays

  // The entry put on top of the log: the display text, "\r\n=" and the result.
  std::string_view Entry() const {
    return output ? std::string_view(*output).substr(0, entryLength) : std::string_view();
  }
};

// One press of EXE, function mode included, as a pure function. A failed
// evaluation reports why to `trace` under "error" (see trace.h).
ExeOutput RunExe(const ExeInput& in, const TraceSink* trace = nullptr);

}  // namespace zorvane
