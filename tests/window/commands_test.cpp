// Start-up, the check boxes and the buttons beside the keypad, on the fake
// platform. That every click leaves the focus in the Input Box is fuzz_keypad's
// invariant, checked over its corpus in every test run.
#include <gtest/gtest.h>

#include "tests/fake_platform/fake_platform.h"
#include "window/main_app.h"

namespace zorvane::test {
namespace {

using afx::InsertAfter;

// The window starts empty. The About box opens over it and closes with OK (the
// fake's default), leaving it open; Escape ends it with Cancel. Without the
// application nobody takes the Help command.
TEST(MainWindow, StartStateAndAboutBox) {
  FakePlatform platform;
  const int result = RunMainWindow(platform, [](FakeSite& w, window::CMainDlg& dlg) {
    EXPECT_EQ(w.Input().text, "");
    EXPECT_EQ(w.Output().text, "");
    EXPECT_EQ(dlg.Formula(), "");
    EXPECT_EQ(dlg.FormulaState(), "a");
    const std::vector<std::pair<afx::HICON, bool>> icons = {{afx::HICON{128}, true},
                                                            {afx::HICON{128}, false}};
    EXPECT_EQ(w.icons, icons);
    EXPECT_EQ(w.fonts, (std::vector{1001, 1002}));
    EXPECT_FALSE(w.Command(57670));
    w.Input().Set("12", 1);
    w.Click(1008);
    EXPECT_EQ(w.Input().text, "12");
    EXPECT_FALSE(w.result.has_value());
  });
  EXPECT_EQ(result, 2);
  EXPECT_EQ(platform.opened, (std::vector{102, 131}));
}

// DEG, Fix_E and F_Mode change nothing but their mark until the next EXE; MostTop
// changes the window order; each Clear button empties its own box.
TEST(MainWindow, CheckBoxesAndClearButtons) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    w.Input().Set("1+2", 1, 2);
    w.Output().Set("1+2\r\n=3", 0, 1);
    for (int id : {1007, 1009, 1051, 1012, 1012})
      w.Click(id);
    EXPECT_EQ(w.Input().text, "1+2");
    EXPECT_EQ(w.Input().anchor, 1);
    EXPECT_EQ(w.Input().active, 2);
    EXPECT_EQ(w.Output().text, "1+2\r\n=3");
    EXPECT_EQ(dlg.FormulaState(), "a");
    EXPECT_EQ(w.windowOrder,
              (std::vector{InsertAfter::TopMost, InsertAfter::Bottom, InsertAfter::Top}));

    w.Click(1032);  // F_IN keeps a formula that Clear must not touch
    w.Click(1010);
    EXPECT_EQ(w.Input().text, "");
    EXPECT_EQ(w.Output().text, "1+2\r\n=3");
    w.Input().Set("4", 1);
    w.Click(1027);
    EXPECT_EQ(w.Output().text, "");
    EXPECT_EQ(w.Input().text, "4");
    EXPECT_EQ(dlg.Formula(), "1+2");
  });
}

TEST(MainWindow, Paste) {
  struct Row {
    const char* log;
    int start, end;
    const char* expected;
    int caret;
    std::size_t limit = 32767;  // the most the Input Box takes
    int beeps = 0;
  };
  const Row rows[] = {
      {"1+2.5\r\n=3.5", 8, 11, "3.5", 3},
      {"1+2.5\r\n=3.5", 3, 3, "x", 1},          // nothing selected: the input stays
      {"1+2.5\r\n=3.5", 2, 9, "2.5\r\n=3", 7},  // across a line break
      {"123456789", 0, 8, "12345678", 8, 8},    // as much as the Input Box takes
      {"123456789", 0, 9, "x", 1, 8, 1},        // more: refused whole, with a beep
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.expected);
    RunMainWindow([&](FakeSite& w, window::CMainDlg&) {
      w.Output().Set(row.log, row.start, row.end);
      w.Input().limit = row.limit;
      w.Input().Set("x", 1);
      w.Click(1028);
      EXPECT_EQ(w.Input().text, row.expected);
      EXPECT_EQ(w.Input().active, row.caret);
      EXPECT_EQ(w.Input().beeps, row.beeps);
    });
  }
}

// The application runs the main window once and ends. The Help command (F1,
// Alt+H) is no control's: the main window passes it on to the application,
// which shows the help and leaves the window open.
TEST(MainWindow, ApplicationRunsTheWindowAndShowsTheHelp) {
  FakePlatform platform;
  platform.scripts[102] = [&](FakeSite& w) {
    EXPECT_TRUE(w.Command(57670));
    EXPECT_EQ(platform.helpShown, 1);
    EXPECT_FALSE(w.result.has_value());
    EXPECT_FALSE(w.Command(57671));  // a command nobody has
    w.Command(2);                    // Escape
  };
  {
    window::CMainApp app(platform);
    EXPECT_EQ(afx::AfxWinMain(app), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
  }
  EXPECT_EQ(platform.opened, (std::vector{102}));
  EXPECT_EQ(afx::AfxGetApp(), nullptr);  // no command reaches an application that has gone
}

}  // namespace
}  // namespace zorvane::test
