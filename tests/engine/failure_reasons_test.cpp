// Every way an evaluation can fail, and the reason it gives: the last report
// to the trace, under "error", once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/evaluate.h"
#include "engine/exe.h"

namespace zorvane {
namespace {

std::string Repeated(std::string_view part, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i)
    text += part;
  return text;
}

// Listens to an evaluation for the reason of a failure; keeps no working texts,
// which for long inputs would be many and long.
struct ReasonCapture {
  std::size_t reasons = 0;
  bool reasonLast = false;
  std::string reason;
  TraceSink sink = [this](std::string_view stage, std::string_view text) {
    reasonLast = stage == "error";
    if (reasonLast) {
      ++reasons;
      reason = text;
    }
  };

  // The reason given, or what went wrong with the reporting.
  std::string Reason() const {
    if (reasons != 1) return "(" + std::to_string(reasons) + " reasons)";
    if (!reasonLast) return "(the reason is not the last report)";
    return reason;
  }
};

struct Row {
  std::string input;
  const char* reason;
  bool deg = false;
};

TEST(FailureReasons, EachWayOfFailingSaysWhy) {
  const std::vector<Row> rows = {
      // Characters and neighbours.
      {"X1", R"~("X" is not a number, operator, bracket or function (position 1))~"},
      {"2 e3", R"~("e" is not a number, operator, bracket or function (position 2))~"},
      {"(", R"~(a lone "(" encloses nothing (position 1))~"},
      {")", R"~(a lone ")" closes nothing (position 1))~"},
      {"1+.", R"~("." needs a digit beside it (position 3))~"},
      {"1 - - * 2", R"~("*" cannot follow "+" (position 4))~"},
      {"*2", R"~(the expression cannot begin with "*" (position 1))~"},
      {"2+", R"~(the expression cannot end with "+" (position 2))~"},
      {"SIN-COS(0)", R"~("-" cannot stand between "SIN" and "COS" (position 4))~"},
      // Numbers.
      {"1.2.3", R"~(a number has a second "." (position 4))~"},
      {Repeated("1", 102), "a number has more than 101 digits before its point (position 102)"},
      {"0." + Repeated("0", 100) + "1",
       "a number other than 0 below 1E-100 (100 or more zeros after its point) (position 103)"},
      {"1+E5", R"~("E" needs a digit or "." right before it (position 3))~"},
      // Brackets.
      {"(((1)", R"~(3 "(" but 1 ")" — only one missing ")" is supplied)~"},
      {"1]]", R"~(0 "(" but 2 ")" — a ")" closes a bracket that was never opened)~"},
      {"1)+(2", R"~(a ")" closes a bracket that was never opened)~"},
      {"2*()", R"~(empty brackets "()" at position 3)~"},
      {"2*( )", R"~(empty brackets "()" at position 3)~"},
      {"2+(", R"~(empty brackets "()" at position 3)~"},
      // Domains of the functions.
      {"LN0", "LN needs a positive argument, got 0"},
      {"SQR-4", "SQR needs an argument of 0 or more, got -4"},
      {"ACS2", "ACS needs an argument from -1 to 1, got 2"},
      {"SIN100", "SIN takes angles up to 26 radians, got 100"},
      {"COS-1500", "COS takes angles up to 1489.690267 degrees (26 radians), got -1500", true},
      {"TAN90", "TAN is undefined at 90 degrees", true},
      {"TAN(PI/2)", "TAN is undefined at 1.570796327 radians"},
      {"EXP(1000)", "EXP(1000) is too large to hold"},
      // Powers.
      {"0^0", "0^0: 0 has no power of 0 or below"},
      {"(-8)^(1/3)", "(-8)^0.3333333333: a negative base cannot take an exponent between -1 and 1"},
      {"(-8)^1.5", "(-8)^1.5 has no real value"},
      {"(1E-5)^-100", "0.00001^-100 is too large to hold"},
      {"0.5^400", "0.5^400 goes beyond the range 1E-100 to 1E+100"},
      // Range and values that are no finite number.
      {"1/(2-2)", "division by zero: 1/0"},
      {"1E50*1E51", "1E+50*1E+51 gives 1E+101, outside ±1E+100"},
      {"1E-50/1E51", "1E-50/1E+51 gives 1E-101, closer to 0 than 1E-100"},
      {"EXP(233)", "EXP(233) gives 1.551008877E+101, outside ±1E+100"},
      {"(9E99)^2*(9E99)^2", "8.1E+199*8.1E+199 is too large to hold"},
      {"10^101", "result 1E+101 is outside ±1E+100"},
      {"10^-101", "result 1E-101 is closer to 0 than 1E-100"},
      // The work budget.
      {"1" + Repeated("+1E0", 200000),
       "the expression is too long to work out (more than 80000000000 characters of work)"},
  };
  for (const Row& row : rows) {
    ReasonCapture capture;
    EXPECT_EQ(EvaluateText(row.input, Options{row.deg, false}, &capture.sink), "error")
        << row.input.substr(0, 40);
    EXPECT_EQ(capture.Reason(), row.reason) << row.input.substr(0, 40);
  }
}

TEST(FailureReasons, FunctionModeSaysWhy) {
  struct ExeRow {
    const char* formula;
    const char* pending;  // the variable asked for
    const char* input;
    const char* reason;
  };
  const ExeRow rows[] = {
      {"1,2", "X0", "X0=1", R"~(the stored formula holds a ",", which function mode cannot read)~"},
      {"LNX0", "X0", "X0=0", "LN needs a positive argument, got 0"},
      {"LNX0", "X0", "X0=", R"~(empty brackets "()" at position 8)~"},
  };
  for (const ExeRow& row : rows) {
    ExeInput in;
    in.fMode = true;
    in.formula = row.formula;
    in.formulaState = {row.pending, row.formula};
    in.input = row.input;
    ReasonCapture capture;
    const ExeOutput out = RunExe(in, &capture.sink);
    EXPECT_TRUE(out.Entry().ends_with("=error")) << row.formula;
    EXPECT_EQ(capture.Reason(), row.reason) << row.formula;
  }
}

TEST(FailureReasons, NoReasonWithoutAFailure) {
  for (const char* input : {"1+2", "", "SIN(30)^2", "2^(3)^2", "-(1E100)"}) {
    ReasonCapture capture;
    EXPECT_NE(EvaluateText(input, Options{true, false}, &capture.sink), "error") << input;
    EXPECT_EQ(capture.reasons, 0u) << input;
  }
}

}  // namespace
}  // namespace zorvane
