// zorvane-cli with expressions and options on its command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/child_process.h"
#include "zorvane_facts.h"

namespace zorvane::testing {
namespace {

struct ArgumentsCase {
  std::vector<std::string> args;
  std::string out;
  int exitCode;
};

class CliArguments : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(CliArguments, PrintsOneResultLinePerExpression) {
  const ArgumentsCase& c = GetParam();
  const ChildResult r = RunCli(c.args);
  EXPECT_EQ(r.out, c.out);
  EXPECT_EQ(r.exitCode, c.exitCode);
  EXPECT_EQ(r.termSignal, 0);
  EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliArguments,
    ::testing::Values(
        // Several expressions, one line each, in order.
        ArgumentsCase{{"1+2", "2*3", "8/2/2"}, "3\n6\n2\n", 0},
        // An expression that begins with "-" is no option.
        ArgumentsCase{{"-2^2"}, "-4\n", 0}, ArgumentsCase{{"-1", "(-2)^3"}, "-1\n-8\n", 0},
        // After "--" an option-like text is an expression: --DEG collapses to
        // +DEG, and the E after D has no mantissa.
        ArgumentsCase{{"--", "--deg", "SIN30"}, "error\nerror\n", 1},
        ArgumentsCase{{"--deg", "--", "SIN30"}, "0.5\n", 0},
        // Small letters become capitals.
        ArgumentsCase{{"--deg", "sin30"}, "0.5\n", 0},
        ArgumentsCase{
            {"pi", "sqr(4)", "1e3", "exp(0)", "log100"}, "3.141592654\n2\n1000\n1\n2\n", 0},
        // Radians by default: 30 radians is beyond the sine's range.
        ArgumentsCase{{"SIN30"}, "error\n", 1},
        // Fix_E: every result in exponent form, whatever the option order.
        ArgumentsCase{{"--fix-e", "1+2", "0", "1/3"}, "3E+00\n0E+00\n3.333333333E-01\n", 0},
        ArgumentsCase{{"--fix-e", "--deg", "SIN30"}, "5E-01\n", 0},
        // Errors: any of them makes the exit status 1, the others still print.
        ArgumentsCase{{"1/0", "2+3"}, "error\n5\n", 1},
        ArgumentsCase{{"2*()", "10^101"}, "error\nerror\n", 1},
        // Brackets of every kind, blanks, and an empty argument.
        ArgumentsCase{{"[1+2]*{3}", "1 - - 2", "", "   "}, "9\n3\n\n\n", 0}));

TEST(CliOptions, UnknownOptionIsAUsageError) {
  for (const std::string option : {"--bogus", "--deg=1", "--DEG", "--trace-all"}) {
    SCOPED_TRACE(option);
    const ChildResult r = RunCli({option, "1+2"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("zorvane-cli"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(option), std::string::npos) << r.err;
  }
}

TEST(CliOptions, HelpDescribesTheOptionsAndExitsZero) {
  const ChildResult r = RunCli({"--help"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(r.out.starts_with("Usage: zorvane-cli")) << r.out;
  for (const char* word : {"--deg", "--fix-e", "--trace", "--version"}) {
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
  }
}

TEST(CliOptions, VersionExitsZero) {
  const ChildResult r = RunCli({"--version"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "zorvane-cli " ZORVANE_VERSION "\n");
  EXPECT_EQ(r.err, "");
}

// --trace: the working text after each step on standard error, one step a
// line; standard output is the same as without it.
TEST(CliTrace, WritesStagesToStandardErrorOnly) {
  const std::vector<std::string> expressions{"2*(1+SIN30)", "1/0", "", "1.5E-3*2E5"};
  std::vector<std::string> plainArgs{"--deg"};
  plainArgs.insert(plainArgs.end(), expressions.begin(), expressions.end());
  std::vector<std::string> traceArgs{"--deg", "--trace"};
  traceArgs.insert(traceArgs.end(), expressions.begin(), expressions.end());

  const ChildResult plain = RunCli(plainArgs);
  const ChildResult traced = RunCli(traceArgs);
  EXPECT_EQ(plain.out, "3\nerror\n\n300\n");
  EXPECT_EQ(traced.out, plain.out);
  EXPECT_EQ(traced.exitCode, plain.exitCode);
  EXPECT_EQ(plain.err, "");

  // Every line is a stage name and a working text.
  const std::vector<std::string> lines = SplitLines(traced.err);
  ASSERT_FALSE(lines.empty());
  bool sawWrap = false;
  bool sawFunction = false;
  bool sawProduct = false;
  for (const std::string& line : lines) {
    const std::size_t space = line.find(' ');
    ASSERT_NE(space, std::string::npos) << line;
    const std::string stage = line.substr(0, space);
    const std::string text = line.substr(line.find_first_not_of(' ', space));
    EXPECT_TRUE(text.starts_with("(") && text.ends_with(")")) << line;
    sawWrap = sawWrap || (stage == "wrap" && text == "(2*(1+SIN30))");
    sawFunction = sawFunction || text == "(2*(1+(5.000000000000000e-001)))";
    sawProduct = sawProduct || text == "(3.000000000000000e+000)";
  }
  EXPECT_TRUE(sawWrap) << traced.err;
  EXPECT_TRUE(sawFunction) << traced.err;
  EXPECT_TRUE(sawProduct) << traced.err;
}

TEST(CliTrace, StagesComeBeforeTheirResult) {
  ChildSpec request;
  request.args = {"--trace", "1+2", "2*3"};
  request.mergedStderr = true;
  const ChildResult r = RunCli(request);
  const std::size_t firstSum = r.out.find("(1+2)");
  const std::size_t firstResult = r.out.find("\n3\n");
  const std::size_t secondProduct = r.out.find("(2*3)");
  const std::size_t secondResult = r.out.find("\n6\n");
  ASSERT_NE(firstSum, std::string::npos) << r.out;
  ASSERT_NE(firstResult, std::string::npos) << r.out;
  ASSERT_NE(secondProduct, std::string::npos) << r.out;
  ASSERT_NE(secondResult, std::string::npos) << r.out;
  EXPECT_LT(firstSum, firstResult);
  EXPECT_LT(firstResult, secondProduct);
  EXPECT_LT(secondProduct, secondResult);
  EXPECT_TRUE(r.out.ends_with("\n6\n")) << r.out;
}

TEST(CliTrace, BatchModeOutputIsUnchanged) {
  const std::string input = "1+2\n\n2^3^2\n";
  const ChildResult plain = RunCli({}, input);
  const ChildResult traced = RunCli({"--trace"}, input);
  EXPECT_EQ(plain.out, "3\n\n64\n");
  EXPECT_EQ(traced.out, plain.out);
  EXPECT_NE(traced.err, "");
}

// A reader that has gone away: the program ends with the output status, by
// its own exit and not by SIGPIPE.
TEST(CliOutput, ClosedStandardOutputEndsWithStatusThree) {
  const std::vector<std::vector<std::string>> argLists{{"1+2"}, {"--help"}, {"--version"}, {}};
  for (const auto& args : argLists) {
    ChildSpec request;
    request.args = args;
    request.closedStdout = true;
    request.input = "1+2\n2*3\n";
    const ChildResult r = RunCli(request);
    SCOPED_TRACE(args.empty() ? std::string("batch") : args.front());
    EXPECT_EQ(r.termSignal, 0);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_FALSE(r.timedOut);
  }
}

TEST(CliOutput, ClosedStandardOutputDuringLongBatch) {
  std::string input;
  for (int i = 0; i < 20000; ++i)
    input += "1+2\n";
  ChildSpec request;
  request.input = input;
  request.closedStdout = true;
  const ChildResult r = RunCli(request);
  EXPECT_EQ(r.termSignal, 0);
  EXPECT_EQ(r.exitCode, 3);
}

}  // namespace
}  // namespace zorvane::testing
