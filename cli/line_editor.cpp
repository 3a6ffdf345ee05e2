#include "cli/line_editor.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace zorvane::cli {
namespace {

constexpr int kHistorySize = 1000;

}  // namespace

std::filesystem::path HistoryFile() {
  std::filesystem::path base;
  const char* state = std::getenv("XDG_STATE_HOME");
  const char* home = std::getenv("HOME");
  // A relative XDG_STATE_HOME is to be ignored, like an unset one.
  if (state != nullptr && state[0] == '/') {
    base = state;
  } else if (home != nullptr && home[0] == '/') {
    base = std::filesystem::path(home) / ".local" / "state";
  } else {
    return {};
  }
  return base / "zorvane" / "history";
}

LineEditor::LineEditor(const char* program, std::filesystem::path historyFile)
    : history_(history_init()),
      editLine_(el_init(program, stdin, stdout, stderr)),
      historyFile_(std::move(historyFile)) {
  if (!editLine_ || !history_) return;
  HistEvent event;
  history(history_.get(), &event, H_SETSIZE, kHistorySize);
  history(history_.get(), &event, H_SETUNIQUE, 1);
  if (!historyFile_.empty()) history(history_.get(), &event, H_LOAD, historyFile_.c_str());

  EditLine* el = editLine_.get();
  el_set(el, EL_CLIENTDATA, this);
  el_set(el, EL_EDITOR, "emacs");
  el_set(el, EL_SIGNAL, 1);
  el_set(el, EL_PROMPT, Prompt);
  el_set(el, EL_HIST, history, history_.get());
  // Ctrl+C reaches the editor as a key, which drops the line, instead of
  // ending the program.
  el_set(el, EL_SETTY, "-d", "-isig", nullptr);
  // The wide form keeps the two names as given; the narrow one copies them
  // and never frees the copies.
  el_wset(el, EL_ADDFN, L"zorvane-drop-line", L"Drop the line being typed", DropLine);
  el_set(el, EL_BIND, "^C", "zorvane-drop-line", nullptr);
  el_source(el, nullptr);  // the user's ~/.editrc
}

LineEditor::~LineEditor() = default;

const char* LineEditor::Prompt(EditLine* el) {
  void* data = nullptr;
  el_get(el, EL_CLIENTDATA, &data);
  return static_cast<LineEditor*>(data)->prompt_.c_str();
}

unsigned char LineEditor::DropLine(EditLine* el, int) {
  void* data = nullptr;
  el_get(el, EL_CLIENTDATA, &data);
  static_cast<LineEditor*>(data)->dropped_ = true;
  // Show "^C" at the end of the line and end it as Enter would.
  const LineInfo* info = el_line(el);
  el_cursor(el, static_cast<int>(info->lastchar - info->cursor));
  el_insertstr(el, "^C");
  el_push(el, "\n");
  return CC_REFRESH;
}

bool LineEditor::ReadLine(std::string& line, const std::string& prompt) {
  dropped_ = false;
  prompt_ = prompt;
  if (!editLine_) {
    std::fputs(prompt_.c_str(), stdout);
    std::fflush(stdout);
    char buffer[4096];
    line.clear();
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
      line += buffer;
      if (line.ends_with('\n')) break;
    }
    if (line.empty()) return false;
  } else {
    int count = 0;
    const char* text = el_gets(editLine_.get(), &count);
    if (text == nullptr || count <= 0) return false;
    line.assign(text, static_cast<std::size_t>(count));
  }
  if (line.ends_with('\n')) line.pop_back();
  if (line.ends_with('\r')) line.pop_back();
  if (dropped_) line.clear();
  return true;
}

void LineEditor::Remember(const std::string& line) {
  if (!history_) return;
  HistEvent event;
  history(history_.get(), &event, H_ENTER, line.c_str());
  if (historyFile_.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(historyFile_.parent_path(), ignored);
  history(history_.get(), &event, H_SAVE, historyFile_.c_str());
}

}  // namespace zorvane::cli
