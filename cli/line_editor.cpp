#include "cli/line_editor.h"

#include <histedit.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace zorvane::cli {
namespace {

constexpr int kHistorySize = 1000;

const char* Prompt(EditLine*) {
  return "> ";
}

}  // namespace

struct LineEditor::State {
  static unsigned char DropLine(EditLine* editLine, int key);

  struct Closer {
    void operator()(EditLine* editLine) const { el_end(editLine); }
    void operator()(History* history) const { history_end(history); }
  };
  std::unique_ptr<History, Closer> history;
  std::unique_ptr<EditLine, Closer> editLine;
  std::filesystem::path historyFile;
  bool dropped = false;
};

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
    : state_(std::make_unique<State>()) {
  state_->history.reset(history_init());
  state_->editLine.reset(el_init(program, stdin, stdout, stderr));
  state_->historyFile = std::move(historyFile);
  History* const list = state_->history.get();
  EditLine* const el = state_->editLine.get();
  if (el == nullptr || list == nullptr) return;
  HistEvent event;
  history(list, &event, H_SETSIZE, kHistorySize);
  history(list, &event, H_SETUNIQUE, 1);
  if (!state_->historyFile.empty()) history(list, &event, H_LOAD, state_->historyFile.c_str());

  el_set(el, EL_CLIENTDATA, state_.get());
  el_set(el, EL_EDITOR, "emacs");
  el_set(el, EL_SIGNAL, 1);
  el_set(el, EL_PROMPT, Prompt);
  el_set(el, EL_HIST, history, list);
  // Ctrl+C reaches the editor as a key, which drops the line, instead of
  // ending the program.
  el_set(el, EL_SETTY, "-d", "-isig", nullptr);
  // The wide form keeps the two names as given; the narrow one copies them
  // and never frees the copies.
  el_wset(el, EL_ADDFN, L"zorvane-drop-line", L"Drop the line being typed", State::DropLine);
  el_set(el, EL_BIND, "^C", "zorvane-drop-line", nullptr);
  el_source(el, nullptr);  // the user's ~/.editrc
}

LineEditor::~LineEditor() = default;

unsigned char LineEditor::State::DropLine(EditLine* el, int) {
  void* data = nullptr;
  el_get(el, EL_CLIENTDATA, &data);
  static_cast<State*>(data)->dropped = true;
  // Show "^C" at the end of the line and end it as Enter would.
  const LineInfo* info = el_line(el);
  el_cursor(el, static_cast<int>(info->lastchar - info->cursor));
  el_insertstr(el, "^C");
  el_push(el, "\n");
  return CC_REFRESH;
}

bool LineEditor::ReadLine(std::string& line) {
  state_->dropped = false;
  if (!state_->editLine) {
    std::fputs("> ", stdout);
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
    const char* text = el_gets(state_->editLine.get(), &count);
    if (text == nullptr || count <= 0) return false;
    line.assign(text, static_cast<std::size_t>(count));
  }
  if (line.ends_with('\n')) line.pop_back();
  if (line.ends_with('\r')) line.pop_back();
  if (state_->dropped) line.clear();
  return true;
}

void LineEditor::Remember(const std::string& line) {
  History* const list = state_->history.get();
  if (list == nullptr) return;
  HistEvent event;
  history(list, &event, H_ENTER, line.c_str());
  const std::filesystem::path& file = state_->historyFile;
  if (file.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  history(list, &event, H_SAVE, file.c_str());
}

}  // namespace zorvane::cli
