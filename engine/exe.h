#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/failure.h"
#include "engine/function_mode.h"
#include "engine/trace.h"

namespace zorvane {

// Everything one press of EXE reads.
struct ExeInput {
  std::string input;          // the expression typed; a line break is CR LF
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

// Everything one press of EXE writes back. The window puts the entry on top of
// the log (LogHead) and writes the Input Box text when present, then sets the
// selection, scrolls the caret into view and gives the Input Box the focus.
struct ExeOutput {
  // The log entry: the display text, "\r\n=" and the result; none when the log
  // stays as it is.
  std::optional<std::string> entry;
  std::optional<std::string> input;          // the new Input Box text, or none when it stays
  Selection selection;                       // within the Input Box text after the command
  std::optional<FormulaState> formulaState;  // the new function-mode state, or none when it stays
  std::optional<Failure> failure;            // why the entry is "error"
};

// What goes in front of the old log for a new entry: the entry, and the line
// break that joins it to the old log when there is one. The old log stays whole
// below it, so a window only ever inserts at the start of the Output Box.
std::string LogHead(std::string_view entry, bool logEmpty);

// One press of EXE, function mode included, as a pure function.
ExeOutput RunExe(const ExeInput& in, const TraceSink* trace = nullptr);

}  // namespace zorvane
