#pragma once

#include <histedit.h>

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
// included, whatever the locale.
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
  bool Dropped() const { return dropped_; }

  // Adds the line to the history and saves the history file.
  void Remember(const std::string& line);

 private:
  static unsigned char DropLine(EditLine* editLine, int key);
  static const char* Prompt(EditLine* editLine);
  static int ReadKey(EditLine* editLine, wchar_t* key);
  int NextKey(wchar_t* key);
  bool ReadByte();

  struct Closer {
    void operator()(EditLine* editLine) const { el_end(editLine); }
    void operator()(History* history) const { history_end(history); }
  };
  std::unique_ptr<History, Closer> history_;
  std::unique_ptr<EditLine, Closer> editLine_;
  std::filesystem::path historyFile_;
  std::string prompt_;
  bool dropped_ = false;
  std::string pending_;  // bytes read from the terminal, not yet a key
};

// The bytes a line read as wide characters stands for: a character in UTF-8,
// and one of U+DC80..U+DCFF, which stands for a byte of no character, as that
// byte.
std::string TypedBytes(std::wstring_view line);

}  // namespace zorvane::cli
