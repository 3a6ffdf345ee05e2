// EXE, F_IN and F_OUT through the window: what the boxes show afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fake_platform/main_window.h"

namespace zorvane::test {
namespace {

constexpr int kExe = 1011;
constexpr int kFIn = 1032;
constexpr int kFOut = 1049;
constexpr int kFMode = 1051;
constexpr int kDeg = 1007;

// Types `text` over whatever the Input Box holds and presses EXE.
void Evaluate(FakeSite& w, const std::string& text) {
  w.Input().Set(text, static_cast<int>(text.size()));
  w.focused = kExe;
  w.Click(kExe);
}

void ExpectInputWhollySelected(FakeSite& w) {
  EXPECT_EQ(w.Input().anchor, 0);
  EXPECT_EQ(w.Input().active, static_cast<int>(w.Input().text.size()));
  EXPECT_EQ(w.focused, 1001);
}

TEST(Exe, LogGrowsAtTheTop) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    Evaluate(w, "1+2");
    EXPECT_EQ(w.Output().text, "1+2\r\n=3");
    EXPECT_EQ(w.Input().text, "1+2");
    ExpectInputWhollySelected(w);
    Evaluate(w, "2*3");
    EXPECT_EQ(w.Output().text, "2*3\r\n=6\r\n1+2\r\n=3");
    Evaluate(w, "2*()");
    EXPECT_EQ(w.Output().text, "2*()\r\n=error\r\n2*3\r\n=6\r\n1+2\r\n=3");
    EXPECT_EQ(w.Input().text, "2*()");
    ExpectInputWhollySelected(w);
    Evaluate(w, "1+\r\n2");
    EXPECT_EQ(w.Output().text.substr(0, 11), "1+\r\n2\r\n=3\r\n");
    EXPECT_EQ(w.Input().active, 5);  // the selection counts the break as two
    EXPECT_EQ(w.Output().announced, (std::vector<std::string>{"1+2\r\n=3", "2*3\r\n=6",
                                                              "2*()\r\n=error", "1+\r\n2\r\n=3"}));
    EXPECT_EQ(dlg.FormulaState(), "a,");
  });
}

TEST(Exe, EmptyInputWritesNoEntry) {
  RunMainWindow([](FakeSite& w, window::CMainDlg&) {
    Evaluate(w, "1+2");
    Evaluate(w, " \r\n ");
    EXPECT_EQ(w.Output().text, "1+2\r\n=3");
    EXPECT_EQ(w.Input().text, "");
    EXPECT_EQ(w.focused, 1001);
    EXPECT_EQ(w.Output().announced.size(), 1u);
  });
}

TEST(Exe, ReadsTheDegreeOption) {
  RunMainWindow([](FakeSite& w, window::CMainDlg&) {
    w.Click(kDeg);
    Evaluate(w, "2*(1+SIN30");
    EXPECT_EQ(w.Output().text, "2*(1+SIN30\r\n=3");
    EXPECT_EQ(w.Input().text, "2*(1+SIN30");
    ExpectInputWhollySelected(w);
  });
}

TEST(Exe, KeypadAfterExeWrapsTheWholeExpression) {
  RunMainWindow([](FakeSite& w, window::CMainDlg&) {
    Evaluate(w, "1+2");
    w.Click(1013);
    EXPECT_EQ(w.Input().text, "SQR(1+2)");
    EXPECT_EQ(w.Input().Caret(), 8);
  });
}

// The function-mode rules themselves are checked on RunExe; here, that the
// window hands them the check box, the stored formula and its state, and shows
// the prompts with the caret after them.
TEST(FunctionMode, AsksForEachVariableThenLogs) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    w.Input().Set("X0*2+X1", 7, 7);
    w.Click(kFIn);
    EXPECT_EQ(dlg.Formula(), "X0*2+X1");
    EXPECT_EQ(dlg.FormulaState(), "a,X0*2+X1");
    EXPECT_EQ(w.Input().text, "X0*2+X1");
    EXPECT_EQ(w.focused, 1001);
    w.Click(kFMode);
    w.Click(kExe);
    EXPECT_EQ(w.Input().text, "X0=");
    EXPECT_EQ(w.Input().Caret(), 3);
    EXPECT_FALSE(w.Input().HasSelection());
    EXPECT_EQ(w.Output().text, "");
    Evaluate(w, "X0=3");
    EXPECT_EQ(w.Input().text, "X1=");
    EXPECT_EQ(dlg.FormulaState(), "X1,(3)*2+X1");
    Evaluate(w, "X1=4");
    EXPECT_EQ(w.Output().text, "X0*2+X1=(3)*2+(4)\r\n=10");
    EXPECT_EQ(w.Input().text, "");
    EXPECT_EQ(w.focused, 1001);
    EXPECT_EQ(dlg.FormulaState(), "a,X0*2+X1");
  });
}

TEST(FunctionMode, NormalExeDropsThePendingPrompt) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    w.Input().Set("X0+1", 0, 0);
    w.Click(kFIn);
    w.Click(kFMode);
    w.Click(kExe);
    EXPECT_EQ(w.Input().text, "X0=");
    w.Click(kFMode);  // unchecked: an ordinary evaluation
    Evaluate(w, "2*3");
    EXPECT_EQ(w.Output().text, "2*3\r\n=6");
    EXPECT_EQ(w.Input().text, "2*3");
    EXPECT_EQ(dlg.FormulaState(), "a,X0+1");
    w.Click(kFMode);  // checked again: starts over at X0
    w.Click(kExe);
    EXPECT_EQ(w.Input().text, "X0=");
    EXPECT_EQ(dlg.FormulaState(), "X0,X0+1");
  });
}

TEST(FunctionMode, FOutRecallsTheFormula) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    w.Input().Set("5", 1, 1);
    w.Click(kFOut);  // nothing stored yet
    EXPECT_EQ(w.Input().text, "");
    EXPECT_EQ(w.Input().Caret(), 0);
    w.Input().Set("X0\r\n+1", 0, 0);
    w.Click(kFIn);
    w.Click(1010);
    w.Click(kFOut);
    EXPECT_EQ(w.Input().text, "X0\r\n+1");
    EXPECT_EQ(w.Input().Caret(), 6);
    EXPECT_GT(w.Input().scrolls, 0);
    EXPECT_EQ(w.focused, 1001);
    EXPECT_EQ(dlg.FormulaState(), "a,X0\r\n+1");
  });
}

}  // namespace
}  // namespace zorvane::test
