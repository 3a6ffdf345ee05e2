// Random command sequences on the main window's command logic, over the fake
// platform of the window tests.
//
// Each input byte is one step: a click on a keypad key, EXE, F_IN, F_OUT, the
// Clear and Paste buttons, About, a check box, or an action of the user (typing a
// character, selecting in either box; these take the following bytes as their
// arguments), or OK/Cancel, which ends the run. After every command each caret
// and selection lies within its text, the focus is in the Input Box, a keypad
// key has changed only the selection (BackSpace without one: the character
// before the caret) and EXE has kept the old log whole below the new entry.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "resources/dialogs/resource_ids.h"
#include "tests/fake_platform/fake_platform.h"
#include "window/keypad.h"

namespace {

using namespace zorvane;
using namespace zorvane::res;
using fuzz::Check;
using test::FakeEdit;

int Length(std::string_view text) {
  return static_cast<int>(text.size());
}

void CheckSelection(const FakeEdit& box) {
  Check(box.placedOutside == 0, "a command places the selection within the text", box.text);
  Check(0 <= box.anchor && box.anchor <= Length(box.text) && 0 <= box.active &&
            box.active <= Length(box.text),
        "0 <= start <= end <= length", box.text);
}

// What a keypad key may do to the Input Box: replace the selection, or with
// nothing selected insert at the caret; BackSpace without a selection removes
// the one character before it (a line break, or a byte and the UTF-8
// continuation bytes after it). The caret ends within the edited part.
void CheckKeyEdit(const std::string& before, int start, int end, const FakeEdit& box,
                  bool backSpace) {
  const std::string& after = box.text;
  const std::string detail = before + " -> " + after + " @ " + std::to_string(box.active);
  const std::string_view tail = std::string_view(before).substr(end);
  Check(after.ends_with(tail), "a key keeps the text after the selection", detail);
  const int editedEnd = Length(after) - Length(tail);
  int editedStart = start;
  if (backSpace && start == end && start > 0) {
    editedStart = editedEnd;
    const std::string_view removed =
        editedEnd < start ? std::string_view(before).substr(editedEnd, start - editedEnd) : "";
    Check(removed == "\r\n" ||
              (!removed.empty() && std::all_of(removed.begin() + 1, removed.end(),
                                               [](char c) { return (c & 0xC0) == 0x80; })),
          "BackSpace removes one character before the caret", detail);
  } else if (!backSpace) {
    Check(editedEnd > start, "a key inserts its text", detail);
  }
  Check(before.starts_with(std::string_view(after).substr(0, editedStart)),
        "a key keeps the text before the selection", detail);
  Check(box.anchor == box.active && editedStart <= box.active && box.active <= editedEnd,
        "a key leaves the caret within what it edited", detail);
}

constexpr int kCommands[] = {
    IDC_EXE, IDC_F_IN, IDC_F_OUT, IDC_CLEAR_INPUT, IDC_CLEAR_OUTPUT, IDC_PASTE, IDC_ABOUT,
};
constexpr int kChecks[] = {IDC_DEG, IDC_FIX_E, IDC_F_MODE, IDC_MOST_TOP};

void Run(test::FakeSite& site, window::CMainDlg& dialog, const std::uint8_t* data,
         std::size_t size) {
  const auto keys = window::KeypadKeys();
  const int keyCount = static_cast<int>(keys.size());
  const int commandCount = static_cast<int>(std::size(kCommands));
  const int checkCount = static_cast<int>(std::size(kChecks));
  const int opCount = keyCount + commandCount + checkCount + 4;
  std::size_t at = 0;
  auto next = [&]() -> int { return at < size ? data[at++] : 0; };
  FakeEdit& input = site.Input();
  FakeEdit& output = site.Output();

  while (at < size && !site.result) {
    int op = next() % opCount;
    const std::string text = input.text;
    const std::string log = output.text;
    site.focused = 0;
    if (op < keyCount) {
      int start = 0;
      int end = 0;
      input.GetSel(start, end);
      site.Click(keys[op].id);
      CheckKeyEdit(text, start, end, input, keys[op].kind == window::KeyKind::Deletion);
    } else if ((op -= keyCount) < commandCount) {
      site.Click(kCommands[op]);
      if (kCommands[op] == IDC_EXE && output.text != log) {
        Check(log.empty() || output.text.ends_with("\r\n" + log),
              "EXE keeps the old log whole below the new entry", output.text);
      }
    } else if ((op -= commandCount) < checkCount) {
      site.Click(kChecks[op]);
    } else if ((op -= checkCount) == 0) {  // the user types a character
      const std::string typed(1, static_cast<char>(next()));
      const int start = std::min(input.anchor, input.active);
      const int end = std::max(input.anchor, input.active);
      input.Set(text.substr(0, start) + typed + text.substr(end), start + 1);
      continue;
    } else if (op == 1) {  // the user selects in the Input Box
      const int start = std::min(next(), Length(text));
      input.Set(text, start, std::min(next(), Length(text)));
      continue;
    } else if (op == 2) {  // the user selects in the Output Box
      const int start = std::min(next() * 4, Length(log));
      output.Set(log, start, std::min(start + next(), Length(log)));
      continue;
    } else {  // Enter on OK, or Escape: the dialog ends
      site.focused = IDC_INPUT;
      dialog.OnCmdMsg(next() % 2 == 0 ? 1 : 2, afx::BN_CLICKED);
      Check(site.result.has_value(), "OK and Cancel end the dialog");
      return;
    }
    CheckSelection(input);
    CheckSelection(output);
    Check(site.focused == IDC_INPUT, "every command ends with the focus in the Input Box");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  test::RunMainWindow(
      [&](test::FakeSite& site, window::CMainDlg& dialog) { Run(site, dialog, data, size); });
  return 0;
}
