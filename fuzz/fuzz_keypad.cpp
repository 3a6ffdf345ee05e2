// Random command sequences on the main window's command logic, over a fake
// toolkit whose edit boxes follow the edit-box model.
//
// Each input byte is one step: a click on a keypad key, EXE, F_IN, F_OUT, the
// Clear and Paste buttons, About, a check box, or an action of the user (typing a
// character, selecting in either box; these take the following bytes as their
// arguments). After every command the selections lie within the texts, every
// caret the command placed lies within its text, the focus is in the Input Box,
// a keypad key has edited the text as the button table says and EXE has written
// what the engine gives.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "engine/exe.h"
#include "engine/text_ops.h"
#include "fuzz/check.h"
#include "resources/dialogs/resource_ids.h"
#include "window/keypad.h"
#include "window/main_dlg.h"

namespace {

using namespace zorvane;
using namespace zorvane::res;
using fuzz::Check;

int Length(std::string_view text) {
  return static_cast<int>(text.size());
}

class FakeEdit : public afx::EditControl {
 public:
  explicit FakeEdit(int id, int* focus) : m_id(id), m_focus(focus) {}

  void SetFocus() override { *m_focus = m_id; }
  void GetSel(int& start, int& end) const override {
    start = m_start;
    end = m_end;
  }
  std::string GetWindowText() const override { return m_text; }
  void SetWindowText(std::string_view text) override {
    m_text = text;
    m_start = m_end = 0;
  }
  void SetSel(int start, int end) override {
    // The command logic asks only for positions within the text, or -1.
    Check(start == -1 || (0 <= start && start <= end && end <= Length(m_text)),
          "a command places the selection within the text",
          m_text + " @ " + std::to_string(start) + ".." + std::to_string(end));
    if (start == -1) {
      m_end = m_start;
      return;
    }
    m_start = std::clamp(start, 0, Length(m_text));
    m_end = std::clamp(end, m_start, Length(m_text));
  }
  void ScrollCaret() override {}
  void AnnounceInsertion(std::string_view) override {}

  // What the user does directly in the box.
  void UserSelect(int start, int end) {
    m_start = std::clamp(std::min(start, end), 0, Length(m_text));
    m_end = std::clamp(std::max(start, end), m_start, Length(m_text));
  }
  void UserType(char c) {
    m_text = m_text.substr(0, m_start) + c + m_text.substr(m_end);
    m_end = ++m_start;
  }

  const std::string& Text() const { return m_text; }
  int Start() const { return m_start; }
  int End() const { return m_end; }

 private:
  int m_id;
  int* m_focus;
  std::string m_text;
  int m_start = 0;
  int m_end = 0;
};

class FakeCheck : public afx::CheckControl {
 public:
  int GetCheck() const override { return m_checked ? afx::BST_CHECKED : afx::BST_UNCHECKED; }
  void Toggle() { m_checked = !m_checked; }
  bool Checked() const { return m_checked; }

 private:
  bool m_checked = false;
};

class FakeSite : public afx::DialogSite {
 public:
  FakeSite() : input(IDC_INPUT, &focus), output(IDC_OUTPUT, &focus) {}

  afx::EditControl* GetEditControl(int id) override {
    if (id == IDC_INPUT) return &input;
    if (id == IDC_OUTPUT) return &output;
    return nullptr;
  }
  afx::CheckControl* GetCheckControl(int id) override {
    const auto it = checks.find(id);
    return it == checks.end() ? nullptr : &it->second;
  }
  void SetIcon(afx::HICON, bool) override {}
  void SetFont(int, afx::StockFont) override {}
  void SetWindowPos(afx::InsertAfter) override {}
  void EndDialog(int) override { ended = true; }

  int focus = 0;
  FakeEdit input;
  FakeEdit output;
  std::map<int, FakeCheck> checks{
      {IDC_DEG, {}}, {IDC_FIX_E, {}}, {IDC_F_MODE, {}}, {IDC_MOST_TOP, {}}};
  bool ended = false;
};

class FakePlatform : public afx::Platform {
 public:
  // Dialogs opened from the main window (About) close at once.
  int RunModalDialog(afx::CDialog&) override { return 1; }
  afx::HICON LoadIcon(int resourceId) override { return {resourceId}; }
};

// The Input Box that a keypad key should leave, as the button table gives it.
struct Expected {
  std::string text;
  int caret;
};

Expected ExpectKey(const window::KeypadKey& key, const std::string& text, int s, int e) {
  const std::string before(Left(text, s));
  const std::string selected(Mid(text, s, e - s));
  const std::string after(Right(text, Length(text) - e));
  const std::string name(key.text);
  switch (key.kind) {
    case window::KeyKind::Token:
      return {before + name + after, s + Length(name)};
    case window::KeyKind::Function:
      if (s == e) return {before + name + after, s + Length(name)};
      return {before + name + "(" + selected + ")" + after, e + Length(name) + 2};
    case window::KeyKind::ParenPair:
      if (s == e) return {before + "()" + after, s + 1};
      return {before + "(" + selected + ")" + after, e + 2};
    case window::KeyKind::Deletion:
      break;
  }
  if (s < e) return {before + after, s};
  if (s == 0) return {text, 0};
  // The character before the caret; a line break (CR LF) and a UTF-8 sequence
  // go as one character.
  int from = s - 1;
  if (std::string_view(text).substr(0, s).ends_with("\r\n")) {
    from = s - 2;
  } else {
    while (from > 0 && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80)
      --from;
  }
  return {std::string(Left(text, from)) + after, from};
}

void CheckBoxes(const FakeSite& site) {
  for (const FakeEdit* edit : {&site.input, &site.output}) {
    Check(0 <= edit->Start() && edit->Start() <= edit->End() && edit->End() <= Length(edit->Text()),
          "0 <= start <= end <= length", edit->Text());
  }
}

constexpr int kCommands[] = {
    IDC_EXE, IDC_F_IN, IDC_F_OUT, IDC_CLEAR_INPUT, IDC_CLEAR_OUTPUT, IDC_PASTE, IDC_ABOUT,
};
constexpr int kChecks[] = {IDC_DEG, IDC_FIX_E, IDC_F_MODE, IDC_MOST_TOP};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakePlatform platform;
  FakeSite site;
  window::CMainDlg dialog(platform);
  dialog.AttachSite(&site);
  dialog.OnInitDialog();

  const auto keys = window::KeypadKeys();
  const int keyCount = static_cast<int>(keys.size());
  const int commandCount = static_cast<int>(std::size(kCommands));
  const int checkCount = static_cast<int>(std::size(kChecks));
  const int opCount = keyCount + commandCount + checkCount + 4;
  std::size_t at = 0;
  auto next = [&]() -> int { return at < size ? data[at++] : 0; };

  while (at < size && !site.ended) {
    int op = next() % opCount;
    if (op < keyCount) {
      const window::KeypadKey& key = keys[op];
      const std::string before = site.input.Text();
      const Expected expected = ExpectKey(key, before, site.input.Start(), site.input.End());
      site.focus = 0;
      Check(dialog.OnCmdMsg(key.id, afx::BN_CLICKED), "every keypad key has a handler");
      Check(site.input.Text() == expected.text, "the key edits the text as the table says",
            std::string(key.text) + ": " + before + " -> " + site.input.Text());
      Check(site.input.Start() == expected.caret && site.input.End() == expected.caret,
            "the key leaves the caret as the table says",
            std::string(key.text) + ": " + site.input.Text() + " @ " +
                std::to_string(site.input.Start()));
    } else if ((op -= keyCount) < commandCount) {
      const int id = kCommands[op];
      ExeInput in;
      in.input = site.input.Text();
      in.output = site.output.Text();
      in.fMode = site.checks[IDC_F_MODE].Checked();
      in.fixE = site.checks[IDC_FIX_E].Checked();
      in.deg = site.checks[IDC_DEG].Checked();
      in.formula = dialog.Formula();
      const std::string stateBefore = dialog.FormulaState();
      in.formulaState = zorvane::ReadFormulaState(stateBefore);
      site.focus = 0;
      Check(dialog.OnCmdMsg(id, afx::BN_CLICKED), "every button has a handler");
      if (id == IDC_EXE) {
        const ExeOutput out = RunExe(in);
        Check(site.output.Text() == out.output.value_or(in.output), "EXE writes the engine's log",
              site.output.Text());
        Check(site.input.Text() == out.input.value_or(in.input),
              "EXE writes the engine's Input Box", site.input.Text());
        Check(site.input.Start() == static_cast<int>(out.selection.start) &&
                  site.input.End() == static_cast<int>(out.selection.end),
              "EXE sets the engine's selection", site.input.Text());
        const std::string stateAfter =
            out.formulaState ? zorvane::FormulaStateText(*out.formulaState) : stateBefore;
        Check(dialog.FormulaState() == stateAfter, "EXE keeps the engine's state",
              dialog.FormulaState());
      }
    } else if ((op -= commandCount) < checkCount) {
      const int id = kChecks[op];
      site.checks[id].Toggle();  // the click toggles the mark before the command
      site.focus = 0;
      Check(dialog.OnCmdMsg(id, afx::BN_CLICKED), "every check box has a handler");
    } else if ((op -= checkCount) == 0) {  // the user types a character
      site.input.UserType(static_cast<char>(next()));
      continue;
    } else if (op == 1) {  // the user selects in the Input Box
      const int start = next();
      site.input.UserSelect(start, next());
      continue;
    } else if (op == 2) {  // the user selects in the Output Box
      const int start = next() * 4;
      site.output.UserSelect(start, start + next());
      continue;
    } else if (op == 3) {  // Enter on OK, or Escape: the dialog ends
      site.focus = IDC_INPUT;
      dialog.OnCmdMsg(next() % 2 == 0 ? 1 : 2, afx::BN_CLICKED);
      Check(site.ended, "OK and Cancel end the dialog");
    }
    CheckBoxes(site);
    Check(site.focus == IDC_INPUT, "every command ends with the focus in the Input Box");
  }
  dialog.AttachSite(nullptr);
  return 0;
}
