#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace zorvane::cli {

// The history file of interactive sessions: $XDG_STATE_HOME/zorvane/history,
// or ~/.local/state/zorvane/history; empty when neither can be named.
std::filesystem::path HistoryFile();

// Reads lines typed on a terminal with libedit: the cursor keys edit the line,
// Up and Down go through earlier lines, which are kept in `historyFile` between
// sessions. Ctrl+C drops the line being typed, Ctrl+D ends the input. A history
// file that cannot be read or written only loses the history. A line holds
// exactly the bytes typed, characters beyond ASCII and bytes of no character
// included, whatever the locale. On Windows (line_editor_windows.cpp) the
// console edits the line and keeps the lines of the session; Ctrl+Z and Enter
// end the input.
class LineEditor {
 public:
  LineEditor(const char* program, std::filesystem::path historyFile);
  LineEditor(const LineEditor&) = delete;
  LineEditor& operator=(const LineEditor&) = delete;
  ~LineEditor();

  // Prompts with `prompt` and reads one line, without its line break; a
  // dropped line reads as empty, and Dropped() then tells so. False at the
  // end of the input.
  bool ReadLine(std::string& line, const std::string& prompt = "> ");
  bool Dropped() const;

  // Adds the line to the history and saves the history file.
  void Remember(const std::string& line);

 private:
  struct State;  // the system's line reader and what it keeps
  std::unique_ptr<State> state_;
};

}  // namespace zorvane::cli
