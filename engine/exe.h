#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "engine/trace.h"

namespace zorvane {

// Everything one press of EXE reads from the window.
struct ExeInput {
  std::string input;         // Input Box text as read; a line break is CR LF
  std::string output;        // Output Box text (the log)
  bool fMode = false;        // F_Mode checked
  bool fixE = false;         // Fix_E checked
  bool deg = false;          // DEG checked
  std::string formula;       // m_formula
  std::string formulaState;  // m_formulaState
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
  std::optional<std::string> output;  // new Output Box text, or none
  std::optional<std::string> input;   // new Input Box text, or none
  Selection selection;                // within the Input Box text after the command
  std::string formulaState;           // new m_formulaState
};

// One press of EXE, function mode included, as a pure function.
ExeOutput RunExe(const ExeInput& in, const TraceSink* trace = nullptr);

}  // namespace zorvane
