#include "cli/line_editor.h"

#include <histedit.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "engine/text/utf8.h"

namespace zorvane::cli {
namespace {

constexpr int kHistorySize = 1000;

// A byte of no character stands in the line as U+DC80..U+DCFF, as Python's
// "surrogateescape" keeps it: a code point that no well-formed UTF-8 makes.
constexpr wchar_t kEscapedByte = 0xDC00;

// libedit decodes, shows and recalls lines in the character set of LC_CTYPE.
// The C locale has none beyond ASCII; like Python, a session there takes
// C.UTF-8, the set that terminals send.
void UseTheTerminalsCharacters() {
  const char* ctype = std::setlocale(LC_CTYPE, "");
  if (ctype == nullptr || std::strcmp(ctype, "C") == 0 || std::strcmp(ctype, "POSIX") == 0) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
  }
}

}  // namespace

struct LineEditor::State {
  State(const char* program, std::filesystem::path historyFile);
  bool ReadLine(std::string& line, const std::string& prompt);
  void Remember(const std::string& line);

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

LineEditor::State::State(const char* program, std::filesystem::path historyFile)
    : historyFile_(std::move(historyFile)) {
  // libedit reads the locale when it starts.
  UseTheTerminalsCharacters();
  history_.reset(history_init());
  // The prompt and the line being edited go to the terminal: standard error
  // when standard output goes to a file or pipe (`zorvane-cli | tee f`).
  editLine_.reset(el_init(program, stdin, isatty(STDOUT_FILENO) ? stdout : stderr, stderr));
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
  // The keys are read here, so that no byte is lost (see ReadKey). The
  // characters U+0080..U+00FF ("×", "ü", "÷") are text, not Meta with a key,
  // which a terminal sends as Escape and the key.
  el_wset(el, EL_GETCFN, ReadKey);
  for (wchar_t c = 0x80; c <= 0xFF; ++c) {
    const wchar_t key[] = {c, L'\0'};
    el_wset(el, EL_BIND, key, L"ed-insert", nullptr);
  }
  el_source(el, nullptr);  // the user's ~/.editrc
}

LineEditor::LineEditor(const char* program, std::filesystem::path historyFile)
    : state_(std::make_unique<State>(program, std::move(historyFile))) {}

LineEditor::~LineEditor() = default;

bool LineEditor::ReadLine(std::string& line, const std::string& prompt) {
  return state_->ReadLine(line, prompt);
}

bool LineEditor::Dropped() const {
  return state_->dropped_;
}

void LineEditor::Remember(const std::string& line) {
  state_->Remember(line);
}

const char* LineEditor::State::Prompt(EditLine* el) {
  void* data = nullptr;
  el_get(el, EL_CLIENTDATA, &data);
  return static_cast<State*>(data)->prompt_.c_str();
}

unsigned char LineEditor::State::DropLine(EditLine* el, int) {
  void* data = nullptr;
  el_get(el, EL_CLIENTDATA, &data);
  static_cast<State*>(data)->dropped_ = true;
  // Show "^C" at the end of the line and end it as Enter would.
  const LineInfo* info = el_line(el);
  el_cursor(el, static_cast<int>(info->lastchar - info->cursor));
  el_insertstr(el, "^C");
  el_push(el, "\n");
  return CC_REFRESH;
}

// Reads one byte from the terminal onto the pending ones; false at the end of
// the input or on an error.
bool LineEditor::State::ReadByte() {
  unsigned char byte = 0;
  while (true) {
    const ssize_t n = read(STDIN_FILENO, &byte, 1);
    if (n == 1) {
      pending_.push_back(static_cast<char>(byte));
      return true;
    }
    if (n == 0 || errno != EINTR) return false;
  }
}

// The next key from the bytes typed: a well-formed UTF-8 character, or a byte
// of no character escaped.
int LineEditor::State::NextKey(wchar_t* key) {
  if (pending_.empty() && !ReadByte()) return 0;  // the end of the input
  const std::size_t length = SequenceLength(static_cast<unsigned char>(pending_[0]));
  // Read on while the bytes can still make one character.
  while (pending_.size() < length &&
         (pending_.size() == 1 || IsContinuationByte(pending_.back())) && ReadByte()) {
  }
  // A byte that begins no character (a stray continuation byte, C0, C1, F5
  // to FF) is escaped like the lead byte of a broken sequence.
  const TextCharacter c = DecodeUtf8(pending_, 0);
  const auto lead = static_cast<unsigned char>(pending_[0]);
  if (lead < 0x80 || c.length > 1) {
    *key = static_cast<wchar_t>(c.code);
    pending_.erase(0, c.length);
  } else {
    *key = kEscapedByte + lead;
    pending_.erase(0, 1);
  }
  return 1;
}

int LineEditor::State::ReadKey(EditLine* el, wchar_t* key) {
  void* data = nullptr;
  el_get(el, EL_CLIENTDATA, &data);
  return static_cast<State*>(data)->NextKey(key);
}

namespace {

// The bytes a line read as wide characters stands for: a character in UTF-8,
// and one of U+DC80..U+DCFF, which stands for a byte of no character, as that
// byte.
std::string TypedBytes(std::wstring_view line) {
  std::string bytes;
  for (const wchar_t c : line) {
    const auto u = static_cast<char32_t>(c);
    if (u >= 0xDC80 && u <= 0xDCFF) {
      bytes.push_back(static_cast<char>(u - kEscapedByte));
    } else {
      AppendUtf8(bytes, u);
    }
  }
  return bytes;
}

}  // namespace

bool LineEditor::State::ReadLine(std::string& line, const std::string& prompt) {
  dropped_ = false;
  prompt_ = prompt;
  if (!editLine_) {
    std::FILE* shown = isatty(STDOUT_FILENO) ? stdout : stderr;
    std::fputs(prompt_.c_str(), shown);
    std::fflush(shown);
    char buffer[4096];
    line.clear();
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
      line += buffer;
      if (line.ends_with('\n')) break;
    }
    if (line.empty()) return false;
  } else {
    int count = 0;
    const wchar_t* text = el_wgets(editLine_.get(), &count);
    if (text == nullptr || count <= 0) return false;
    line = TypedBytes(std::wstring_view(text, static_cast<std::size_t>(count)));
  }
  if (line.ends_with('\n')) line.pop_back();
  if (line.ends_with('\r')) line.pop_back();
  if (dropped_) line.clear();
  return true;
}

void LineEditor::State::Remember(const std::string& line) {
  if (!history_) return;
  HistEvent event;
  history(history_.get(), &event, H_ENTER, line.c_str());
  if (historyFile_.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(historyFile_.parent_path(), ignored);
  history(history_.get(), &event, H_SAVE, historyFile_.c_str());
}

}  // namespace zorvane::cli
