// Keypad commands through the main window's message map, on the fake platform.
#include <gtest/gtest.h>

#include <string>

#include "tests/fake_platform/fake_platform.h"

namespace zorvane::test {
namespace {

TEST(KeypadCommands, EditTheInputBox) {
  struct Row {
    const char* text;
    int start, end;  // selection before the click; the caret is at `end`
    int id;
    const char* expected;  // nullptr: refused whole, with a beep
    int caret;
    std::size_t limit = 32767;  // the most the Input Box takes
  };
  const Row rows[] = {
      // Insert at the caret.
      {"1234", 2, 2, 1031, "12734", 3},
      {"12+34", 3, 3, 1018, "12+SIN34", 6},
      {"2*", 2, 2, 1024, "2*()", 3},
      // Replace or wrap the selection.
      {"123", 1, 2, 1044, "1+3", 2},
      {"12+34-5", 3, 5, 1018, "12+SIN(34)-5", 10},
      {"1+2*3", 2, 3, 1024, "1+(2)*3", 5},
      // BackSpace.
      {"12", 2, 2, 1017, "1", 1},
      {"12", 0, 0, 1017, "12", 0},
      {"1234", 3, 1, 1017, "14", 1},
      {"1\r\n2", 3, 3, 1017, "12", 1},    // a line break goes as a whole, never half of it
      {"1\xC3\x89", 3, 3, 1017, "1", 1},  // so does a character that takes several bytes
      // An edit the Input Box cannot take is refused whole; here it takes 8.
      {"1234567", 7, 7, 1031, "12345677", 8, 8},
      {"1234", 0, 1, 1018, nullptr, 0, 8},  // SIN(1)234
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " [" + std::to_string(row.start) + "," +
                 std::to_string(row.end) + "] button " + std::to_string(row.id));
    RunMainWindow([&](FakeSite& w, window::CMainDlg&) {
      w.Input().limit = row.limit;
      w.Input().Set(row.text, row.start, row.end);
      w.Click(row.id);
      const bool refused = !row.expected;  // then text, caret and selection stay as they were
      EXPECT_EQ(w.Input().beeps, refused ? 1 : 0);
      EXPECT_EQ(w.Input().text, refused ? row.text : row.expected);
      EXPECT_EQ(w.Input().anchor, refused ? row.start : row.caret);
      EXPECT_EQ(w.Input().active, refused ? row.end : row.caret);
      EXPECT_EQ(w.Input().scrolls, refused ? 0 : 1);
    });
  }
}

}  // namespace
}  // namespace zorvane::test
