#include "engine/exe.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/trace_capture.h"

namespace zorvane {
namespace {

// The window as one press of EXE sees it, carried from press to press.
struct Window {
  std::string input;
  std::string output;
  bool fMode = false;
  bool fixE = false;
  bool deg = false;
  std::string formula;
  std::string formulaState = "a";
  Selection selection;
  std::string entry;   // the last entry EXE put on top of the log
  std::string reason;  // why the last EXE failed, or "" when it did not

  void Exe() {
    testing::TraceCapture trace;
    const ExeOutput out = RunExe(
        {input, output, fMode, fixE, deg, formula, ReadFormulaState(formulaState)}, &trace.sink);
    ASSERT_LE(trace.reasons.size(), 1u);
    ASSERT_EQ(trace.reasonLast, !trace.reasons.empty());
    reason = trace.reasons.empty() ? "" : trace.reasons.back();
    if (out.output) output = *out.output;
    entry = out.Entry();
    if (out.input) input = *out.input;
    ASSERT_LE(out.selection.start, out.selection.end);
    ASSERT_LE(out.selection.end, input.size());
    selection = out.selection;
    if (out.formulaState) formulaState = FormulaStateText(*out.formulaState);
  }
  void FIn() {
    formula = input;
    formulaState = std::string("a,").append(input);
  }
};

// The new entry shows the input as typed above the old log; an input of blanks
// and line breaks writes none and empties the Input Box.
TEST(Exe, EntryIsTheInputAsTypedAboveTheOldLog) {
  struct Row {
    const char* input;
    const char* entry;
  };
  const Row rows[] = {
      {"[1+2]*{3}", "[1+2]*{3}\r\n=9"},
      {"1+\r\n2", "1+\r\n2\r\n=3"},
      {"1 - - 2", "1 - - 2\r\n=3"},
      {"( )", "( )\r\n=error"},
      {"2e3", "2e3\r\n=error"},
      {"", ""},
      {"   ", ""},
      {" \r\n \r\n", ""},
  };
  for (const Row& row : rows) {
    Window w;
    w.input = row.input;
    w.output = "1\r\n=1";
    w.Exe();
    const std::string entry = row.entry;
    EXPECT_EQ(w.entry, entry) << row.input;
    EXPECT_EQ(w.output, entry.empty() ? "1\r\n=1" : entry + "\r\n1\r\n=1") << row.input;
    EXPECT_EQ(w.input, entry.empty() ? "" : row.input) << row.input;
    EXPECT_EQ(w.selection, (Selection{0, w.input.size()})) << row.input;
  }
}

TEST(FunctionMode, Walkthroughs) {
  struct Row {
    const char* formula;
    std::vector<std::string> typed;  // what stands in the Input Box at each EXE
    std::vector<std::string> prompts;
    const char* log;
    const char* reason = "";  // why the last EXE failed
  };
  const Row rows[] = {
      {"X1+X0", {"", "X0=1", "X1=2"}, {"X0=", "X1="}, "X1+X0=(2)+(1)\r\n=3"},
      {"1+2", {"anything"}, {}, "1+2=1+2\r\n=3"},
      {"X0+1", {"", "5"}, {"X0="}, "X0+1=(5)+1\r\n=6"},
      {"X9-X8", {"", "X8=1", "X9=3"}, {"X8=", "X9="}, "X9-X8=(3)-(1)\r\n=2"},
      {"X0+1", {"", "X0=X1", "X1=2"}, {"X0=", "X1="}, "X0+1=((2))+1\r\n=3"},
      {"X12",
       {"", "X1=7"},
       {"X1="},
       "X12=(7)2\r\n=error",
       R"~("2" cannot follow ")" (position 4))~"},
      {"X0+X1",
       {"", "X0=", "X1=1"},
       {"X0=", "X1="},
       "X0+X1=()+(1)\r\n=error",
       R"~(empty brackets "()" at position 7)~"},
      {"X0*X0", {"", "X0= 1 + 2 "}, {"X0="}, "X0*X0=( 1 + 2 )*( 1 + 2 )\r\n=9"},
      {"1,2",
       {"1+1"},
       {},
       "1+1\r\n=error",
       R"(the stored formula holds a ",", which function mode cannot read)"},
      {"2*()", {"7"}, {}, "2*()=2*()\r\n=error", R"~(empty brackets "()" at position 3)~"},
  };
  for (const Row& row : rows) {
    Window w;
    w.input = row.formula;
    w.FIn();
    w.fMode = true;
    for (std::size_t i = 0; i < row.typed.size(); ++i) {
      w.input = row.typed[i];
      w.Exe();
      if (i < row.prompts.size()) {
        EXPECT_EQ(w.input, row.prompts[i]) << row.formula;
      }
    }
    EXPECT_EQ(w.output, row.log) << row.formula;
    EXPECT_EQ(w.reason, row.reason) << row.formula;
    EXPECT_EQ(w.input, "") << row.formula;
  }
}

TEST(FunctionMode, CommaInTheFormulaKeepsTheState) {
  Window w;
  w.input = std::string("7");
  w.fMode = true;
  w.formula = std::string("1,2");
  w.formulaState = std::string("X3,whatever");
  w.Exe();
  EXPECT_EQ(w.output, "7\r\n=error");
  EXPECT_EQ(w.reason, R"(the stored formula holds a ",", which function mode cannot read)");
  EXPECT_EQ(w.formulaState, "X3,whatever");
  EXPECT_EQ(w.input, "");
}

TEST(FunctionMode, NoFormulaEmptiesTheInputBox) {
  Window w;
  w.input = std::string("1+2");
  w.fMode = true;
  w.Exe();
  EXPECT_EQ(w.output, "");
  EXPECT_EQ(w.input, "");
  EXPECT_EQ(w.formulaState, "a,");
}

TEST(FunctionMode, NormalModeDropsAPendingPrompt) {
  Window w;
  w.input = "X0+X1";
  w.FIn();
  w.fMode = true;
  w.Exe();
  w.input = "X0=5";
  w.Exe();
  EXPECT_EQ(w.formulaState, "X1,(5)+X1");
  w.fMode = false;
  w.input = "1+1";
  w.Exe();
  EXPECT_EQ(w.output, "1+1\r\n=2");
  EXPECT_EQ(w.formulaState, "a,X0+X1");
  w.fMode = true;
  w.Exe();
  EXPECT_EQ(w.input, "X0=");
}

}  // namespace
}  // namespace zorvane
