// zorvane-cli with a terminal on standard input: an interactive session.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/child_process.h"

namespace zorvane::testing {
namespace {

ChildResult RunSession(std::string typed, std::vector<std::string> args = {}) {
  ChildSpec request;
  request.args = std::move(args);
  request.input = std::move(typed);
  request.terminalStdin = true;
  return RunCli(request);
}

// Each entry is echoed as the log shows it: the expression, then "=" and the
// result; the end of input ends the session.
TEST(CliTerminal, EchoesEachEntryInTheLogsForm) {
  const ChildResult r = RunSession("1+2\nsqr16\n1/0\n");
  ASSERT_FALSE(r.timedOut);
  EXPECT_EQ(r.termSignal, 0);
  EXPECT_EQ(r.exitCode, 1);
  const std::size_t first = r.out.find("1+2\n=3\n");
  const std::size_t second = r.out.find("SQR16\n=4\n");
  const std::size_t third = r.out.find("1/0\n=error\n");
  EXPECT_NE(first, std::string::npos) << r.out;
  EXPECT_NE(second, std::string::npos) << r.out;
  EXPECT_NE(third, std::string::npos) << r.out;
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
}

TEST(CliTerminal, PromptsBeforeEachEntry) {
  const ChildResult r = RunSession("2*3\n4*5\n");
  EXPECT_EQ(r.exitCode, 0);
  // The prompt stands before every entry and once more before the end of
  // input; it is the same text each time.
  const std::size_t entry = r.out.find("2*3\n=6\n");
  ASSERT_NE(entry, std::string::npos) << r.out;
  const std::size_t lineStart = r.out.rfind('\n', entry);
  const std::string prompt =
      r.out.substr(lineStart == std::string::npos ? 0 : lineStart + 1,
                   entry - (lineStart == std::string::npos ? 0 : lineStart + 1));
  ASSERT_FALSE(prompt.empty()) << r.out;
  EXPECT_NE(r.out.find("=6\n" + prompt + "4*5\n=20\n" + prompt), std::string::npos) << r.out;
}

TEST(CliTerminal, EmptyEntriesWriteNoResultAndEmptySessionEndsCleanly) {
  const ChildResult r = RunSession("\n   \n", {"--deg"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out.find('='), std::string::npos) << r.out;
  const ChildResult none = RunSession("");
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_EQ(none.termSignal, 0);
}

}  // namespace
}  // namespace zorvane::testing
