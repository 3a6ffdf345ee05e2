// The main window's commands on the fake platform. Results are the engine's;
// here, that the window hands it the boxes, the options and the formula, and
// shows what comes back. That every click leaves the focus in the Input Box is
// fuzz_keypad's invariant, checked over its corpus in every test run.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/exe.h"
#include "resources/dialogs/resource_ids.h"
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
    EXPECT_EQ(w.output.text, "");  // not the function-mode state, which is set afterwards
    EXPECT_EQ(dlg.FormulaState(), "a");
    EXPECT_EQ(w.icons, (std::vector<std::pair<int, bool>>{{128, true}, {128, false}}));
    EXPECT_EQ(w.fonts, (std::vector{1001, 1002}));
    EXPECT_FALSE(w.Command(57670));
    w.input.Set("12", 1, 1);
    w.Click(1008);
    EXPECT_EQ(w.input.text, "12");
    EXPECT_FALSE(w.result.has_value());
  });
  EXPECT_EQ(result, 2);
  EXPECT_EQ(platform.opened, (std::vector{102, 131}));
}

// DEG, Fix_E and F_Mode change nothing but their mark until the next EXE; MostTop
// changes the window order; each Clear button empties its own box.
TEST(MainWindow, CheckBoxesAndClearButtons) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    w.input.Set("1+2", 1, 2);
    w.output.Set("1+2\r\n=3", 0, 1);
    for (int id : {1007, 1009, 1051, 1012, 1012})
      w.Click(id);
    EXPECT_EQ(w.input.text, "1+2");
    EXPECT_EQ(w.input.Selection(), std::pair(1, 2));
    EXPECT_EQ(w.windowOrder,
              (std::vector{InsertAfter::TopMost, InsertAfter::Bottom, InsertAfter::Top}));

    w.Click(1032);  // F_IN keeps a formula that Clear must not touch
    w.Click(1010);
    EXPECT_EQ(w.input.text, "");
    EXPECT_EQ(w.output.text, "1+2\r\n=3");
    w.input.Set("4", 1, 1);
    w.Click(1027);
    EXPECT_EQ(w.output.text, "");
    EXPECT_EQ(w.input.text, "4");
    EXPECT_EQ(dlg.Formula(), "1+2");
  });
}

TEST(MainWindow, Paste) {
  struct Row {
    const char* log;
    int start, end;
    std::string expected;                    // in the Input Box, the caret at its end
    std::size_t limit = window::kEditLimit;  // the most the Input Box takes
    int beeps = 0;
  };
  const Row rows[] = {
      {"1+2.5\r\n=3.5", 8, 11, "3.5"},
      {"1+2.5\r\n=3.5", 3, 3, "x"},          // nothing selected: the input stays
      {"1+2.5\r\n=3.5", 2, 9, "2.5\r\n=3"},  // across a line break
      {"123456789", 0, 8, "12345678", 8},    // as much as the Input Box takes
      {"123456789", 0, 9, "x", 8, 1},        // more: refused whole, with a beep
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.expected);
    RunMainWindow([&](FakeSite& w, window::CMainDlg&) {
      w.output.Set(row.log, row.start, row.end);
      w.input.limit = row.limit;
      w.input.Set("x", 1, 1);
      w.Click(1028);
      EXPECT_EQ(w.input.text, row.expected);
      EXPECT_EQ(w.input.active, static_cast<int>(row.expected.size()));
      EXPECT_EQ(w.input.beeps, row.beeps);
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
    EXPECT_FALSE(w.Command(57671));  // a command nobody has
    w.Command(2);                    // Escape
  };
  // A temporary application, gone once AfxWinMain returns: no command may reach it then.
  EXPECT_EQ(afx::AfxWinMain(*std::make_unique<window::CMainApp>(platform)), 0);
  EXPECT_EQ(platform.opened, (std::vector{102}));
  EXPECT_EQ(afx::AfxGetApp(), nullptr);
}

// A keypad key edits the Input Box at the caret or over the selection, the
// caret after what it wrote, and scrolls to the caret.
TEST(KeypadCommands, EditTheInputBox) {
  struct Row {
    const char* text;
    int start, end;  // selection before the click; the caret is at `end`
    int id;
    const char* expected;  // nullptr: refused whole, with a beep
    int caret;
    std::size_t limit = window::kEditLimit;  // the most the Input Box takes
  };
  const Row rows[] = {
      // Insert at the caret.
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
    SCOPED_TRACE(testing::Message()
                 << row.text << " [" << row.start << "," << row.end << "] " << row.id);
    RunMainWindow([&](FakeSite& w, window::CMainDlg&) {
      w.input.limit = row.limit;
      w.input.Set(row.text, row.start, row.end);
      w.Click(row.id);
      const bool refused = !row.expected;  // then text, caret and selection stay as they were
      EXPECT_EQ(w.input.beeps, refused ? 1 : 0);
      EXPECT_EQ(w.input.text, refused ? row.text : row.expected);
      EXPECT_EQ(w.input.Selection(),
                refused ? std::pair(row.start, row.end) : std::pair(row.caret, row.caret));
      EXPECT_EQ(w.input.scrolls, refused ? 0 : 1);
    });
  }
}

// Types `text` over whatever the Input Box holds and presses EXE.
void Evaluate(FakeSite& w, const std::string& text) {
  const int end = static_cast<int>(text.size());
  w.input.Set(text, end, end);
  w.Click(1011);  // EXE
}

// The new entry goes on top of the log; the expression stays, wholly selected,
// so that a keypad key wraps it.
TEST(Exe, WritesTheLogAndReadsTheOptions) {
  RunMainWindow([](FakeSite& w, window::CMainDlg&) {
    Evaluate(w, "1+2");
    Evaluate(w, "2*\r\n3");
    EXPECT_EQ(w.input.Selection(), std::pair(0, 5));  // the line break counts two
    Evaluate(w, " \r\n ");  // nothing to evaluate: no entry, the Input Box emptied
    EXPECT_EQ(w.input.text, "");
    EXPECT_EQ(w.output.text, "2*\r\n3\r\n=6\r\n1+2\r\n=3");
    EXPECT_EQ(w.output.announced, (std::vector<std::string>{"1+2\r\n=3", "2*\r\n3\r\n=6"}));
    Evaluate(w, "1+2");
    w.Click(1013);  // SQR
    EXPECT_EQ(w.input.text, "SQR(1+2)");

    w.output.Set("", 0, 0);
    w.Click(1007);  // DEG
    Evaluate(w, "SIN30");
    w.Click(1009);  // Fix_E
    Evaluate(w, "1/4");
    EXPECT_EQ(w.output.text, "1/4\r\n=2.5E-01\r\nSIN30\r\n=0.5");
  });
}

// Why the engine says `text` fails, as EXE hears it.
std::string EngineReason(const std::string& text) {
  ExeInput in;
  in.input = text;
  const ExeOutput out = RunExe(in);
  return out.failure ? out.failure->reason : std::string();
}

// Each failed entry keeps the engine's reason while it stands: the tip on any
// of its lines, said to a screen reader right after the entry, and shown by
// Alt+R at the newest one's "=error" line. Clear forgets them all.
TEST(Exe, KeepsTheReasonOfEachFailedEntry) {
  const std::string divide = EngineReason("1/0");
  const std::string ln = EngineReason("LN\r\n0");
  ASSERT_FALSE(divide.empty());
  ASSERT_FALSE(ln.empty());
  RunMainWindow([&](FakeSite& w, window::CMainDlg& dlg) {
    EXPECT_TRUE(w.Command(res::ID_SHOW_REASON));  // no failed entry: nothing to show
    EXPECT_TRUE(w.output.tips.empty());
    Evaluate(w, "1/0");
    Evaluate(w, "2+3");
    Evaluate(w, "LN\r\n0");
    ASSERT_EQ(w.output.text, "LN\r\n0\r\n=error\r\n2+3\r\n=5\r\n1/0\r\n=error");
    EXPECT_EQ(w.output.announced, (std::vector<std::string>{"1/0\r\n=error", divide, "2+3\r\n=5",
                                                            "LN\r\n0\r\n=error", ln}));
    // The entries stand at 0..13, 15..22 and 24..35 of the log.
    const std::pair<int, std::string> tips[] = {
        {0, ln},       // the start of the entry
        {4, ln},       // its second line
        {7, ln},       // "=error"
        {13, ln},      // the end of that line
        {14, ""},      // inside the line break between two entries
        {15, ""},      // a result
        {22, ""},      // the end of the result
        {24, divide},  // the oldest entry
        {35, divide},  // the end of the log
        {36, ""},      // beyond it
        {-1, ""},
    };
    for (const auto& [position, tip] : tips)
      EXPECT_EQ(dlg.OnToolTipText(res::IDC_OUTPUT, position), tip) << position;
    EXPECT_EQ(dlg.OnToolTipText(res::IDC_INPUT, 0), "");

    w.output.Set(w.output.text, 30, 33);  // a selection, and the focus elsewhere
    w.focused = 0;
    EXPECT_TRUE(w.Command(res::ID_SHOW_REASON));
    EXPECT_EQ(w.output.tips, (std::vector<std::pair<int, std::string>>{{7, ln}}));
    EXPECT_EQ(w.output.Selection(), std::pair(7, 7));
    EXPECT_EQ(w.focused, res::IDC_INPUT);

    w.Click(res::IDC_CLEAR_OUTPUT);
    EXPECT_EQ(dlg.OnToolTipText(res::IDC_OUTPUT, 0), "");
    w.Command(res::ID_SHOW_REASON);
    EXPECT_EQ(w.output.tips.size(), 1u);
    Evaluate(w, "1/0");  // the first entry of a new log
    EXPECT_EQ(dlg.OnToolTipText(res::IDC_OUTPUT, 0), divide);
  });
}

// F_IN stores the Input Box; with F_Mode checked EXE asks for each variable,
// the caret after the prompt, then logs the formula with the values put in;
// F_OUT brings the formula back.
TEST(FunctionMode, StoreAskForEachVariableAndRecall) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    w.input.Set("X0*2+X1", 7, 7);
    w.Click(1032);  // F_IN
    EXPECT_EQ(dlg.FormulaState(), "a,X0*2+X1");
    EXPECT_EQ(w.input.text, "X0*2+X1");
    w.Click(1051);  // F_Mode
    w.Click(1011);  // EXE
    EXPECT_EQ(w.input.text, "X0=");
    EXPECT_EQ(w.input.Selection(), std::pair(3, 3));
    EXPECT_EQ(w.output.text, "");
    Evaluate(w, "X0=3");
    Evaluate(w, "X1=4");
    EXPECT_EQ(w.output.text, "X0*2+X1=(3)*2+(4)\r\n=10");
    EXPECT_EQ(w.input.text, "");
    EXPECT_EQ(dlg.FormulaState(), "a,X0*2+X1");
    w.input.scrolls = 0;
    w.Click(1049);  // F_OUT
    EXPECT_EQ(w.input.text, "X0*2+X1");
    EXPECT_EQ(w.input.Selection(), std::pair(7, 7));
    EXPECT_EQ(w.input.scrolls, 1);
  });
}

// The window keeps the values given at the prompts of the evaluation under way,
// so that the reason of a failed entry says in which one the fault stands; a
// new evaluation starts without them.
TEST(FunctionMode, AFailedEntrySaysInWhichValueTheFaultStands) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    w.input.Set("X0*2+X1", 0, 0);
    w.Click(1032);  // F_IN
    w.Click(1051);  // F_Mode
    for (const char* value : {"X0=$", "X0=1"}) {
      w.Click(1011);  // EXE: X0=
      Evaluate(w, value);
      Evaluate(w, "X1=1");
    }
    ASSERT_EQ(w.output.text, "X0*2+X1=(1)*2+(1)\r\n=3\r\nX0*2+X1=($)*2+(1)\r\n=error");
    EXPECT_EQ(dlg.OnToolTipText(1002, 30),
              "\"$\" is not a number, operator, bracket or function "
              "(in the value of X0, line 1, column 1)");
    EXPECT_EQ(dlg.OnToolTipText(1002, 0), "");
  });
}

}  // namespace
}  // namespace zorvane::test
