// EXE, F_IN and F_OUT through the window. The results are the engine's; here,
// that the window hands it the boxes, the options and the stored formula, and
// shows what comes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fake_platform/fake_platform.h"

namespace zorvane::test {
namespace {

constexpr int kExe = 1011;
constexpr int kFIn = 1032;
constexpr int kFOut = 1049;

// Types `text` over whatever the Input Box holds and presses EXE.
void Evaluate(FakeSite& w, const std::string& text) {
  w.Input().Set(text, static_cast<int>(text.size()));
  w.Click(kExe);
}

// The new entry goes on top of the log; the expression stays, wholly selected,
// so that a keypad key wraps it.
TEST(Exe, WritesTheLogAndReadsTheOptions) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    Evaluate(w, "1+2");
    Evaluate(w, "2*\r\n3");
    EXPECT_EQ(w.Input().anchor, 0);
    EXPECT_EQ(w.Input().active, 5);  // the line break counts two
    Evaluate(w, " \r\n ");           // nothing to evaluate: no entry, the Input Box emptied
    EXPECT_EQ(w.Input().text, "");
    EXPECT_EQ(w.Output().text, "2*\r\n3\r\n=6\r\n1+2\r\n=3");
    EXPECT_EQ(w.Output().announced, (std::vector<std::string>{"1+2\r\n=3", "2*\r\n3\r\n=6"}));
    EXPECT_EQ(dlg.FormulaState(), "a,");
    Evaluate(w, "1+2");
    w.Click(1013);
    EXPECT_EQ(w.Input().text, "SQR(1+2)");

    w.Output().Set("", 0);
    w.Click(1007);  // DEG
    Evaluate(w, "SIN30");
    w.Click(1009);  // Fix_E
    Evaluate(w, "1/4");
    EXPECT_EQ(w.Output().text, "1/4\r\n=2.5E-01\r\nSIN30\r\n=0.5");
  });
}

// F_IN stores the Input Box; with F_Mode checked EXE asks for each variable,
// the caret after the prompt, then logs the formula with the values put in;
// F_OUT brings the formula back.
TEST(FunctionMode, StoreAskForEachVariableAndRecall) {
  RunMainWindow([](FakeSite& w, window::CMainDlg& dlg) {
    w.Input().Set("5", 1);
    w.Click(kFOut);  // nothing stored yet
    EXPECT_EQ(w.Input().text, "");
    w.Input().Set("X0*2+X1", 7);
    w.Click(kFIn);
    EXPECT_EQ(dlg.FormulaState(), "a,X0*2+X1");
    EXPECT_EQ(w.Input().text, "X0*2+X1");
    w.Click(1051);  // F_Mode
    w.Click(kExe);
    EXPECT_EQ(w.Input().text, "X0=");
    EXPECT_EQ(w.Input().anchor, 3);
    EXPECT_EQ(w.Input().active, 3);
    EXPECT_EQ(w.Output().text, "");
    Evaluate(w, "X0=3");
    EXPECT_EQ(dlg.FormulaState(), "X1,(3)*2+X1");
    Evaluate(w, "X1=4");
    EXPECT_EQ(w.Output().text, "X0*2+X1=(3)*2+(4)\r\n=10");
    EXPECT_EQ(w.Input().text, "");
    EXPECT_EQ(dlg.FormulaState(), "a,X0*2+X1");
    w.Input().scrolls = 0;
    w.Click(kFOut);
    EXPECT_EQ(w.Input().text, "X0*2+X1");
    EXPECT_EQ(w.Input().anchor, 7);
    EXPECT_EQ(w.Input().active, 7);
    EXPECT_EQ(w.Input().scrolls, 1);
  });
}

}  // namespace
}  // namespace zorvane::test
