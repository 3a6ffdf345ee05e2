// zorvane-cli reading expressions from standard input, one a line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/child_process.h"

namespace zorvane::testing {
namespace {

using namespace std::string_literals;

std::string Repeat(const std::string& part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i)
    text += part;
  return text;
}

struct BatchLine {
  std::string in;  // without its "\n"
  std::string out;
};

// Each line in gives exactly one line out, in order, whatever it holds.
TEST(CliBatch, OneOutputLinePerInputLine) {
  const std::vector<BatchLine> table{
      {"1+2", "3"},
      {"", ""},
      {"   ", ""},
      {"2*3\r", "6"},  // CR LF line end
      {"\r", ""},      // an empty line with CR LF
      {"  \r", ""},
      {"\r\r", "error"},  // only one CR belongs to the line end
      {"1\t+2", "error"},
      {"\t", "error"},
      {"1\0+2"s, "error"},
      {"\0"s, "error"},
      {"\xC3\xA9", "error"},
      {"1+2\xFF", "error"},
      {"\x80", "error"},
      {"sqr16", "4"},
      {"-2^2", "-4"},
      {"[1+2]*{3}", "9"},
      {Repeat("1+", 50000), "error"},  // 100,000 characters ending in "+"
      {Repeat("1+", 999) + "1", "1000"},
      {"0." + Repeat("0", 100000), "0"},
      {Repeat("(", 5000) + "1" + Repeat(")", 5000), "1"},
      {"1" + Repeat("0", 100), "1E+100"},  // 101 digits
      {Repeat("9", 101), "1E+101"},        // no reduction step, so no range guard
      {"1" + Repeat("0", 101), "error"},   // 102 digits
      {Repeat("9", 20000), "error"},
      {"4/2", "2"},  // the last line has no "\n"
  };
  std::string input;
  std::string expected;
  for (std::size_t i = 0; i < table.size(); ++i) {
    input += table[i].in;
    if (i + 1 < table.size()) input += '\n';
    expected += table[i].out + '\n';
  }
  const ChildResult r = RunCli({}, input);
  ASSERT_FALSE(r.timedOut);
  EXPECT_EQ(r.termSignal, 0);
  EXPECT_EQ(r.exitCode, 1);
  const std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), table.size()) << r.out.substr(0, 2000);
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(lines[i], table[i].out) << "line " << i + 1 << ": " << table[i].in.substr(0, 40);
  }
  EXPECT_EQ(r.out, expected);
  EXPECT_EQ(r.err, "");
}

TEST(CliBatch, ExitStatusTellsWhetherAnyEvaluationFailed) {
  struct Case {
    std::vector<std::string> args;
    std::string in;
    std::string out;
    int exitCode;
  };
  const std::vector<Case> table{
      {{}, "", "", 0},
      {{}, "\n", "\n", 0},
      {{}, "\n\n\n", "\n\n\n", 0},
      {{}, "1+2\n2*3\n", "3\n6\n", 0},
      {{}, "1+2\n1/0\n2*3\n", "3\nerror\n6\n", 1},
      {{}, "x1\n", "error\n", 1},
      {{"--deg"}, "sin30\r\ncos60\r\n", "0.5\n0.5\n", 0},
      {{"--fix-e"}, "1.5+1.25\n\n", "2.75E+00\n\n", 0},
      {{"--deg", "--fix-e"}, "2*(1+SIN30)", "3E+00\n", 0},
  };
  for (const Case& c : table) {
    SCOPED_TRACE(c.in);
    const ChildResult r = RunCli(c.args, c.in);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_EQ(r.err, "");
  }
}

TEST(CliBatch, UsageErrorReadsNoInput) {
  const ChildResult r = RunCli({"--no-such-option"}, "1+2\n");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err, "");
}

// Each result is written as soon as its line is read, so a program can talk
// to the calculator one line at a time.
TEST(CliBatch, EachResultIsFlushedBeforeTheNextLineIsRead) {
  Conversation talk({});
  for (const auto& [line, result] : std::vector<std::pair<std::string, std::string>>{
           {"1+2", "3"}, {"", ""}, {"2^10", "1024"}, {"1/0", "error"}}) {
    talk.Send(line + "\n");
    EXPECT_EQ(talk.ReadLine(), result) << line;
  }
  EXPECT_EQ(talk.Finish(), 1);
}

}  // namespace
}  // namespace zorvane::testing
