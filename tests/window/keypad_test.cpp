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
      {"2*", 2, 2, 1026, "2*PI", 4},
      // Replace or wrap the selection.
      {"123", 1, 2, 1044, "1+3", 2},
      {"12+34-5", 3, 5, 1018, "12+SIN(34)-5", 10},
      {"1+2*3", 2, 3, 1024, "1+(2)*3", 5},
      {"1+2", 0, 3, 1013, "SQR(1+2)", 8},
      // BackSpace.
      {"12", 2, 2, 1017, "1", 1},
      {"12", 0, 0, 1017, "12", 0},
      {"1234", 3, 1, 1017, "14", 1},
      {"1\r\n2", 4, 4, 1017, "1\r\n", 3},
      {"1\r\n2", 3, 3, 1017, "12", 1},    // a line break goes as a whole, never half of it
      {"1\xC3\x89", 3, 3, 1017, "1", 1},  // so does a character that takes several bytes
      // An edit the Input Box cannot take is refused whole; here it takes 8.
      {"1234567", 7, 7, 1031, "12345677", 8, 8},
      {"1234567", 2, 2, 1024, nullptr, 0, 8},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " [" + std::to_string(row.start) + "," +
                 std::to_string(row.end) + "] button " + std::to_string(row.id));
    RunMainWindow([&](FakeSite& w, window::CMainDlg&) {
      w.Input().limit = row.limit;
      w.Input().Set(row.text, row.start, row.end);
      w.focused = 0;  // the click took the focus somewhere else
      w.Click(row.id);
      EXPECT_EQ(w.focused, 1001);
      EXPECT_EQ(w.Input().beeps, row.expected ? 0 : 1);
      if (!row.expected) {  // the text, caret and selection as they were
        EXPECT_EQ(w.Input().text, row.text);
        EXPECT_EQ(w.Input().anchor, row.start);
        EXPECT_EQ(w.Input().active, row.end);
        return;
      }
      EXPECT_EQ(w.Input().text, row.expected);
      EXPECT_EQ(w.Input().anchor, row.caret);
      EXPECT_EQ(w.Input().active, row.caret);
      EXPECT_GT(w.Input().scrolls, 0);
    });
  }
}

}  // namespace
}  // namespace zorvane::test
