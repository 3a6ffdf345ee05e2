// Inputs whose literal rewriting would never end, read outside the text or end
// in a meaningless text, and what the engine does with them instead.
#include <gtest/gtest.h>

#include <string>

#include "tests/engine/trace_capture.h"

namespace zorvane {
namespace {

using testing::Eval;

TEST(Decisions, BracketedBaseThatThePowerPassLeavesIsOpened) {
  struct Row {
    const char* input;
    bool deg;
    const char* result;
  };
  const Row rows[] = {
      {"SIN(30)^2", true, "0.25"},
      {"SIN(3)^2", false, "1.991485667E-02"},
      {"2^(3)^2", false, "64"},
      {"2^-(3)^2", false, "0.015625"},
      {"-(3)^2", false, "-9"},
      {"(3)^2", false, "9"},
      {"(-3)^2", false, "9"},
      {"LN(2)^2^(1)", false, "0.4804530139"},
      {"SQR(4)^-(2)^2", false, "0.0625"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Eval(row.input, row.deg), row.result) << row.input;
}

TEST(Decisions, TextsThatWouldLoseTheirEnclosingBracketsFail) {
  for (const char* input : {"1)+(2", "2)^3+(1", "1)*(2", "5)+(1)^(2", "2)^(3"}) {
    EXPECT_EQ(Eval(input), "error") << input;
  }
}

TEST(Decisions, EmptyBracketsReachingTheReductionFail) {
  for (const char* input : {"( )", "[ ]*2", "( )^2", "2+(", "SIN(", "2^(", "((", "1+( )"}) {
    EXPECT_EQ(Eval(input), "error") << input;
  }
}

TEST(Decisions, ValuesThatAreNoFiniteNumberFail) {
  for (const char* input : {"(-8)^1.5", "(1E-5)^-100", "(1E-5)^-60*(1E-5)^-60", "EXP(800)"}) {
    EXPECT_EQ(Eval(input), "error") << input;
  }
}

TEST(Decisions, NegativeZeroShowsAsZero) {
  struct Row {
    const char* input;
    bool deg;
    bool fixE;
    const char* result;
  };
  const Row rows[] = {
      {"0*-1", false, false, "0"},     {"SIN(-180)", true, false, "0"},
      {"SQR(-0)", false, false, "0"},  {"0*-1", false, true, "0E+00"},
      {"-0", false, false, "0"},       {"-0.5", false, false, "-.5"},
      {"-0.5", false, true, "-5E-01"}, {"-0.00123", false, false, "-.00123"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Eval(row.input, row.deg, row.fixE), row.result) << row.input;
  }
}

TEST(Decisions, TypedNumbersNeedingNoReductionSkipTheFinalCheck) {
  // 101 nines round to 1E+101, beyond the range a computed value may have.
  const std::string nines(101, '9');
  EXPECT_EQ(Eval(nines), "1E+101");
  EXPECT_EQ(Eval("+" + nines), "1E+101");
  // Opening brackets computes nothing, so the number is still unchecked.
  EXPECT_EQ(Eval("((" + nines + "))"), "1E+101");
  EXPECT_EQ(Eval(nines + "*1"), "error");
  EXPECT_EQ(Eval("1" + std::string(101, '0')), "error");  // 102 digits
}

TEST(Decisions, LongInputsEnd) {
  // Shapes that cost most per character; each must end (a hang fails the test
  // run's own time limit, not a timer here).
  std::string sum = "1";
  for (int i = 0; i < 2000; ++i)
    sum += "+1";
  EXPECT_EQ(Eval(sum), "2001");
  std::string nested(1000, '(');
  nested += "1";
  for (int i = 0; i < 1000; ++i)
    nested += "+1)";
  EXPECT_EQ(Eval(nested), "1001");
  std::string chain = "2";
  for (int i = 0; i < 1000; ++i)
    chain += "^1";
  EXPECT_EQ(Eval(chain), "2");
  std::string functions;
  for (int i = 0; i < 500; ++i)
    functions += "SQR";
  EXPECT_EQ(Eval(functions + "1"), "1");
  EXPECT_EQ(Eval("1E" + std::string(5000, '9')), "error");
}

}  // namespace
}  // namespace zorvane

namespace zorvane {
namespace {

std::string Repeated(std::string_view part, std::size_t length) {
  std::string text;
  while (text.size() + part.size() <= length)
    text += part;
  return text;
}

TEST(Decisions, InputsOfTheInputBoxSizeAreWorkedOutWhateverTheirShape) {
  constexpr std::size_t kInputBoxLimit = 32767;
  struct Row {
    std::string text;
    const char* result;
  };
  const Row rows[] = {
      {"1" + Repeated("+1E0", kInputBoxLimit - 1), "8192"},
      {"1" + Repeated("-2*3", kInputBoxLimit - 1), "-49145"},
      {"0" + Repeated("+2^2", kInputBoxLimit - 1), "32764"},
  };
  for (const Row& row : rows) {
    const Outcome outcome = Evaluate(row.text, row.text, Options{});
    EXPECT_EQ(outcome.text, row.result) << row.text.substr(0, 20);
    EXPECT_FALSE(outcome.tooLong);
  }
}

TEST(Decisions, FarLongerInputsAreGivenUp) {
  const std::string text = "1" + Repeated("+1E0", 200000);
  const Outcome outcome = Evaluate(text, text, Options{});
  EXPECT_EQ(outcome.text, "error");
  EXPECT_TRUE(outcome.tooLong);
}

}  // namespace
}  // namespace zorvane
