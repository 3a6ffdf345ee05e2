// Random command sequences on the main window, over the fake platform. Each
// input byte is one step: a click on a button or check box; the user typing or
// selecting in either box (with the next bytes as arguments); or OK/Cancel,
// which ends the run. The invariants are checked after every click.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

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
  Check(0 <= box.anchor && box.anchor <= Length(box.text) && 0 <= box.active &&
            box.active <= Length(box.text),
        "every selection lies within its text", box.text);
}

// A line break, or a byte and the UTF-8 continuation bytes after it.
bool IsOneCharacter(std::string_view text) {
  const auto continuation = [](char c) { return (c & 0xC0) == 0x80; };
  return text == "\r\n" ||
         (!text.empty() && std::all_of(text.begin() + 1, text.end(), continuation));
}

// A keypad key keeps the text outside the selection start..end of `before`,
// except that with nothing selected it may take the one character before the
// caret. It leaves the caret, with nothing selected, within what it rewrote.
void CheckKeyEdit(std::string_view before, int start, int end, const FakeEdit& box) {
  const std::string_view after = box.text;
  const std::string detail = std::string(before) + " -> " + box.text;
  const std::string_view tail = before.substr(end);
  Check(after.ends_with(tail), "a key keeps the text after the selection", detail);
  const int rewrittenEnd = Length(after) - Length(tail);
  const int kept = std::min(start, rewrittenEnd);
  const std::string_view taken = before.substr(kept, start - kept);
  Check(before.starts_with(after.substr(0, kept)), "a key keeps the text before the selection",
        detail);
  Check(taken.empty() || (start == end && IsOneCharacter(taken)),
        "a key takes at most the one character before the caret", detail);
  Check(box.anchor == box.active && kept <= box.active && box.active <= rewrittenEnd,
        "a key leaves the caret within what it rewrote", detail);
}

// What a step may click: the keypad keys, then these.
constexpr int kOtherButtons[] = {
    IDC_EXE,   IDC_F_IN, IDC_F_OUT, IDC_CLEAR_INPUT, IDC_CLEAR_OUTPUT, IDC_PASTE,
    IDC_ABOUT, IDC_DEG,  IDC_FIX_E, IDC_F_MODE,      IDC_MOST_TOP,
};

void Run(test::FakeSite& site, const std::uint8_t* data, std::size_t size) {
  std::vector<int> buttons;
  for (const window::KeypadKey& key : window::KeypadKeys())
    buttons.push_back(key.id);
  buttons.insert(buttons.end(), std::begin(kOtherButtons), std::end(kOtherButtons));
  const int buttonCount = static_cast<int>(buttons.size());
  std::size_t at = 0;
  auto next = [&]() -> int { return at < size ? data[at++] : 0; };
  FakeEdit& input = site.input;
  FakeEdit& output = site.output;

  while (at < size && !site.result) {
    const int op = next() % (buttonCount + 4);
    const std::string text = input.text;
    const std::string log = output.text;
    int start = 0;
    int end = 0;
    input.GetSel(start, end);
    if (op < buttonCount) {
      site.focused = 0;
      site.Click(buttons[op]);
      if (window::FindKeypadKey(buttons[op])) CheckKeyEdit(text, start, end, input);
      if (buttons[op] == IDC_EXE && output.text != log) {
        Check(log.empty() || output.text.ends_with("\r\n" + log),
              "EXE keeps the old log whole below the new entry", output.text);
      }
      CheckSelection(input);
      CheckSelection(output);
      Check(site.focused == IDC_INPUT, "every click leaves the focus in the Input Box");
    } else if (op == buttonCount) {  // the user types a character over the selection
      const char typed = static_cast<char>(next());
      input.Set(text.substr(0, start) + typed + text.substr(end), start + 1, start + 1);
    } else if (op == buttonCount + 1) {  // the user selects in the Input Box
      const int from = std::min(next(), Length(text));
      input.Set(text, from, std::min(next(), Length(text)));
    } else if (op == buttonCount + 2) {  // the user selects in the Output Box
      const int from = std::min(next() * 4, Length(log));
      output.Set(log, from, std::min(from + next(), Length(log)));
    } else {  // Enter on OK, or Escape: the dialog ends
      site.Command(next() % 2 == 0 ? 1 : 2);
      Check(site.result.has_value(), "OK and Cancel end the dialog");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  test::RunMainWindow([&](test::FakeSite& site, window::CMainDlg&) { Run(site, data, size); });
  return 0;
}
