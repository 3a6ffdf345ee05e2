// Line input at a Windows console. The console edits the line (cursor keys,
// Home, End) and keeps the lines of the session (Up, Down, F7) itself; this
// reads the finished line as UTF-16 and hands it on as UTF-8.
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "cli/console.h"
#include "cli/line_editor.h"
#include "cli/output.h"
#include "cli/windows_text.h"

namespace zorvane::cli {
namespace {

// Set by Ctrl+C, which drops the line being typed instead of ending the program.
std::atomic<bool> lineDropped{false};

BOOL WINAPI OnControlKey(DWORD event) {
  if (event != CTRL_C_EVENT) return FALSE;  // Ctrl+Break and closing end the program
  lineDropped = true;
  return TRUE;
}

constexpr wchar_t kEndOfInput = L'\x1A';  // Ctrl+Z

}  // namespace

struct LineEditor::State {
  HANDLE input = INVALID_HANDLE_VALUE;
  bool dropped = false;
};

std::filesystem::path HistoryFile() {
  return {};  // the console keeps the lines of one session; nothing is kept after it
}

LineEditor::LineEditor(const char*, std::filesystem::path) : state_(std::make_unique<State>()) {
  state_->input = GetStdHandle(STD_INPUT_HANDLE);
  SetConsoleCtrlHandler(OnControlKey, TRUE);
}

LineEditor::~LineEditor() {
  SetConsoleCtrlHandler(OnControlKey, FALSE);
}

// The prompt goes to the console: to standard error when the answers go to a
// file or pipe.
bool LineEditor::ReadLine(std::string& line, const std::string& prompt) {
  if (!WriteAll(OutputIsTerminal() ? stdout : stderr, prompt)) return false;
  lineDropped = false;
  state_->dropped = false;
  std::wstring typed;
  wchar_t buffer[1024];
  while (!typed.ends_with(L'\n')) {
    DWORD count = 0;
    SetLastError(ERROR_SUCCESS);
    ReadConsoleW(state_->input, buffer, std::size(buffer), &count, nullptr);
    if (count == 0) {
      // Ctrl+C ends the read with nothing read, and the console calls
      // OnControlKey on a thread of its own, perhaps only after this.
      if (!lineDropped && GetLastError() != ERROR_OPERATION_ABORTED) return false;
      state_->dropped = true;
      WriteAll(OutputIsTerminal() ? stdout : stderr, "\n");
      line.clear();
      return true;
    }
    typed.append(buffer, count);
  }
  // Ctrl+Z at the start of a line ends the input, as at the command prompt.
  if (typed.starts_with(kEndOfInput)) return false;
  typed.pop_back();
  if (typed.ends_with(L'\r')) typed.pop_back();
  line = Utf8FromUtf16(typed);
  return true;
}

bool LineEditor::Dropped() const {
  return state_->dropped;
}

void LineEditor::Remember(const std::string&) {}

}  // namespace zorvane::cli
