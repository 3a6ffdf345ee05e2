#include "engine/exe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorvane {
namespace {

// The window as one press of EXE sees it, carried from press to press.
struct Window {
  std::string input;
  std::string output;
  bool fMode = false;
  std::string formula;
  std::string formulaState = "a";
  std::vector<GivenValue> given;  // kept beside the state text, as the window does
  std::string reason;             // why the last EXE failed, or "" when it did not
  ExeOutput out;                  // what the last EXE wrote back

  void Exe() {
    FormulaState state = ReadFormulaState(formulaState);
    state.given = given;
    out = RunExe({input, fMode, false, false, formula, state});
    EXPECT_EQ(out.failure.has_value(), out.entry && out.entry->ends_with("=error")) << input;
    reason = out.failure ? out.failure->reason : "";
    if (out.entry) output = LogHead(*out.entry, output.empty()) + output;
    if (out.input) input = *out.input;
    if (out.formulaState) {
      formulaState = FormulaStateText(*out.formulaState);
      given = out.formulaState->given;
    }
  }
};

// The new entry shows the input as typed above the old log, and the input stays,
// wholly selected; an input of blanks and line breaks writes none and empties
// the Input Box. Either way, a value that function mode was asking for is no
// longer asked for.
TEST(Exe, EntryIsTheInputAsTypedAboveTheOldLog) {
  struct Row {
    const char* input;
    const char* entry;
  };
  const Row rows[] = {
      {"[1+2]*{3}", "[1+2]*{3}\r\n=9"},
      {"( )", "( )\r\n=error"},
      {" \r\n \r\n", ""},
  };
  for (const Row& row : rows) {
    Window w;
    w.input = row.input;
    w.output = "1\r\n=1";
    w.formula = "X0+X1";
    w.formulaState = "X1,(5)+X1";
    w.Exe();
    const std::string entry = row.entry;
    EXPECT_EQ(w.out.entry.value_or(""), entry) << row.input;
    EXPECT_EQ(w.output, entry.empty() ? "1\r\n=1" : entry + "\r\n1\r\n=1") << row.input;
    EXPECT_EQ(w.input, entry.empty() ? "" : row.input) << row.input;
    EXPECT_EQ(w.out.selection, (Selection{0, w.input.size()})) << row.input;
    EXPECT_EQ(w.formulaState, "a,X0+X1") << row.input;
  }
}

// Each EXE appends what is typed to what the last one left in the Input Box
// (a prompt such as "X0="); the log shows which value went where.
TEST(FunctionMode, Walkthroughs) {
  const char* const comma = R"(the stored formula holds a ",", which function mode cannot read)";
  struct Row {
    const char* formula;
    std::vector<std::string> typed;
    const char* log;
    const char* reason = "";       // why the last EXE failed
    const char* before = nullptr;  // the state text before the first EXE, when not "a,formula"
    const char* after = nullptr;   // the state text after the last EXE, when not "a,formula"
  };
  const Row rows[] = {
      {"1+2", {"anything"}, "1+2=1+2\r\n=3"},
      {"X9-X8", {"", "1", "3"}, "X9-X8=(3)-(1)\r\n=2"},
      {"X0+1", {"", "X1", "2"}, "X0+1=((2))+1\r\n=3"},
      // A value typed over the prompt.
      {"X0*X0", {" 1 + 2 "}, "X0*X0=( 1 + 2 )*( 1 + 2 )\r\n=9", "", "X0,X0*X0"},
      // A reason says where it stands: in the formula, or in a value.
      {"X12",
       {"", "7"},
       "X12=(7)2\r\n=error",
       R"~("2" cannot follow "X1" (in the formula, line 1, column 3))~"},
      {"2X0",
       {"", "7"},
       "2X0=2(7)\r\n=error",
       R"~("X0" cannot follow "2" (in the formula, line 1, column 2))~"},
      {"X0+X1",
       {"", "", "1"},
       "X0+X1=()+(1)\r\n=error",
       "no value was given for X0 (in the formula, line 1, column 1)"},
      {"2*()",
       {"7"},
       "2*()=2*()\r\n=error",
       R"~(empty brackets "()" (in the formula, line 1, column 3))~"},
      {"X0*2+X1",
       {"", "1", "$"},
       "X0*2+X1=(1)*2+($)\r\n=error",
       R"~("$" is not a number, operator, bracket or function (in the value of X1, line 1, column 1))~"},
      {"X0*2+X1",
       {"", "1", "2+"},
       "X0*2+X1=(1)*2+(2+)\r\n=error",
       R"~(the value of X1 cannot end with "+" (in the value of X1, line 1, column 2))~"},
      {"X0+1",
       {"", "*2"},
       "X0+1=(*2)+1\r\n=error",
       R"~(the value of X0 cannot begin with "*" (in the value of X0, line 1, column 1))~"},
      // A value that brings in another variable: X1's value stands within X0's.
      {"1+X0",
       {"", "X1\r\n*", "3"},
       "1+X0=1+((3)\r\n*)\r\n=error",
       R"~(the value of X0 cannot end with "*" (in the value of X0, line 2, column 1))~"},
      {"X0+1",
       {"", "X1+", "SQR-1"},
       "X0+1=((SQR-1)+)+1\r\n=error",
       R"~(the value of X0 cannot end with "+" (in the value of X0, line 1, column 3))~"},
      // A formula that cannot be used leaves the state as it was.
      {"1,2", {"7"}, "7\r\n=error", comma, "X3,whatever", "X3,whatever"},
      // Without a formula nothing is evaluated and no log is written.
      {"", {"1+2"}, "", "", "a", "a,"},
  };
  for (const Row& row : rows) {
    Window w;
    w.formula = row.formula;
    w.formulaState = row.before ? row.before : "a," + w.formula;
    w.fMode = true;
    for (const std::string& typed : row.typed) {
      w.input += typed;
      w.Exe();
    }
    EXPECT_EQ(w.output, row.log) << row.formula;
    EXPECT_EQ(w.reason, row.reason) << row.formula;
    EXPECT_EQ(w.input, "") << row.formula;
    EXPECT_EQ(w.formulaState, row.after ? row.after : "a," + w.formula) << row.formula;
  }
}

}  // namespace
}  // namespace zorvane
