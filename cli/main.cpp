// zorvane-cli: the calculator's engine on the command line and in scripts.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ios>
#include <string>
#include <string_view>
#include <vector>

#include "cli/answers.h"
#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/output.h"
#include "zorvane_facts.h"

namespace {

using zorvane::cli::WriteAll;

constexpr int kExitOk = 0;
constexpr int kExitSomeError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitOutput = 3;

constexpr std::string_view kUsage =
    "Usage: zorvane-cli [OPTION ...] [EXPRESSION ...]\n"
    "       zorvane-cli [OPTION ...] --formula FORMULA [VALUES ...]\n"
    "       zorvane-cli [OPTION ...] --formula FORMULA --range X0=FROM:TO:STEP ...\n"
    "Evaluates each EXPRESSION as the Zorvane window does and prints one result\n"
    "line for each. Without EXPRESSION, or where an EXPRESSION is \"-\", reads\n"
    "standard input line by line and prints exactly one line for each line read.\n"
    "With --formula, each argument or line holds the values for the prompts X0=,\n"
    "X1=, ... in the order of their digits, separated by commas.\n"
    "\n"
    "  --deg        angles in degrees (the window's DEG)\n"
    "  --fix-e      every result in exponent form (the window's Fix_E)\n"
    "  --trace      show every rewrite of the expression on standard error\n"
    "  --explain    say on standard error why an evaluation failed\n"
    "  --formula FORMULA\n"
    "               function mode: evaluate FORMULA, with the variables X0..X9,\n"
    "               for each set of values (the window's F_IN and F_Mode)\n"
    "  --range X0=FROM:TO:STEP\n"
    "               the values of a variable, FROM to TO in exact decimal steps;\n"
    "               one for each variable, every combination (the first slowest)\n"
    "  --log        print the log entry: the display text, then \"=\" and the result\n"
    "  --csv        print comma-separated values: a header, then the values and\n"
    "               the result of each evaluation (and the reason with --explain)\n"
    "  --help       show this help\n"
    "  --version    show the version\n"
    "  --           end of options; later arguments are expressions\n"
    "\n"
    "Exit status: 0 when no evaluation failed, 1 when any gave \"error\",\n"
    "2 for a usage error, 3 when the output could not be written (a reader\n"
    "that has gone away ends the run quietly).\n";

int UsageError(const std::string& error) {
  WriteAll(stderr, "zorvane-cli: " + error + "\nTry 'zorvane-cli --help'.\n");
  return kExitUsage;
}

// Says once on standard error that the output failed, and gives the status. A
// reader that has gone away (`zorvane-cli | head -2`) is the usual end of a
// pipeline, not a failure: the run ends quietly with the status of the
// evaluations so far, as the tools that are killed by SIGPIPE end silently.
int OutputFailed(bool anyError = false) {
  const int error = errno;
  if (zorvane::cli::ReaderHasGone(error)) return anyError ? kExitSomeError : kExitOk;
  WriteAll(stderr,
           std::string("zorvane-cli: cannot write the output: ") + std::strerror(error) + "\n");
  return kExitOutput;
}

}  // namespace

int main(int argc, char** argv) {
  zorvane::cli::PrepareStandardStreams();
  std::ios::sync_with_stdio(false);

  const std::vector<std::string> args = zorvane::cli::Arguments(argc, argv);
  const zorvane::cli::CommandLine line = zorvane::cli::ParseCommandLine(args);
  if (!line.error.empty()) return UsageError(line.error);
  if (line.help) return WriteAll(stdout, kUsage) ? kExitOk : OutputFailed();
  if (line.version) {
    return WriteAll(stdout, "zorvane-cli " ZORVANE_VERSION "\n") ? kExitOk : OutputFailed();
  }

  const zorvane::cli::AnswersRun run = zorvane::cli::RunAnswers(line);
  if (!run.usageError.empty()) return UsageError(run.usageError);
  if (run.outputFailed) return OutputFailed(run.anyError);
  return run.anyError ? kExitSomeError : kExitOk;
}
