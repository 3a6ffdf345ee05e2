// zorvane-cli: the calculator's engine on the command line and in scripts.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/line_editor.h"
#include "cli/output.h"
#include "cli/session.h"
#include "zorvane_facts.h"

namespace {

using zorvane::cli::Session;
using zorvane::cli::WriteAll;

constexpr int kExitOk = 0;
constexpr int kExitSomeError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitOutput = 3;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::string_view kUsage =
    "Usage: zorvane-cli [--deg] [--fix-e] [--trace] [--explain] [EXPRESSION ...]\n"
    "Evaluates each EXPRESSION as the Zorvane window does and prints one result\n"
    "line for each. Without EXPRESSION, or where an EXPRESSION is \"-\", reads\n"
    "standard input line by line and prints exactly one line for each line read.\n"
    "\n"
    "  --deg        angles in degrees (the window's DEG)\n"
    "  --fix-e      every result in exponent form (the window's Fix_E)\n"
    "  --trace      show every rewrite of the expression on standard error\n"
    "  --explain    say on standard error why an evaluation failed\n"
    "  --help       show this help\n"
    "  --version    show the version\n"
    "  --           end of options; later arguments are expressions\n"
    "\n"
    "Exit status: 0 when no evaluation failed, 1 when any gave \"error\",\n"
    "2 for a usage error, 3 when the output could not be written.\n";

// Says once on standard error that the output failed, and gives the status.
int OutputFailed() {
  const int error = errno;
  WriteAll(stderr,
           std::string("zorvane-cli: cannot write the output: ") + std::strerror(error) + "\n");
  return kExitOutput;
}

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (line.ends_with('\r')) line.pop_back();
  return true;
}

// One result line for each line of standard input; false when the output failed.
bool RunBatch(Session& session) {
  std::string line;
  while (ReadLine(std::cin, line)) {
    // A byte-order mark that an editor put at the start of the file.
    if (!session.inputStarted && line.starts_with(kByteOrderMark)) {
      line.erase(0, kByteOrderMark.size());
    }
    session.inputStarted = true;
    if (!WriteAll(stdout, session.Evaluate(line) + "\n")) return false;
  }
  return true;
}

// A session at a terminal: the terminal shows the expression as typed, the
// program answers with "=" and the result under it.
bool RunInteractive(Session& session) {
  const std::string greeting = "Zorvane " ZORVANE_VERSION " - type an expression, " +
                               std::string(zorvane::cli::EndOfInputKeys()) + " to end.\n";
  if (!WriteAll(stdout, greeting)) return false;
  zorvane::cli::LineEditor editor("zorvane-cli", zorvane::cli::HistoryFile());
  std::string line;
  while (editor.ReadLine(line)) {
    const std::string result = session.Evaluate(line);
    if (result.empty()) continue;
    editor.Remember(line);
    if (!WriteAll(stdout, "=" + result + "\n")) return false;
  }
  return WriteAll(stdout, "\n");
}

bool ReadStandardInput(Session& session) {
  return zorvane::cli::InputIsTerminal() ? RunInteractive(session) : RunBatch(session);
}

}  // namespace

int main(int argc, char** argv) {
  zorvane::cli::PrepareStandardStreams();
  std::ios::sync_with_stdio(false);

  const std::vector<std::string> args = zorvane::cli::Arguments(argc, argv);
  const zorvane::cli::CommandLine line = zorvane::cli::ParseCommandLine(args);
  if (!line.error.empty()) {
    WriteAll(stderr, "zorvane-cli: " + line.error + "\nTry 'zorvane-cli --help'.\n");
    return kExitUsage;
  }
  if (line.help) return WriteAll(stdout, kUsage) ? kExitOk : OutputFailed();
  if (line.version) {
    return WriteAll(stdout, "zorvane-cli " ZORVANE_VERSION "\n") ? kExitOk : OutputFailed();
  }

  Session session{line.options, line.trace, line.explain};
  if (line.expressions.empty() && !ReadStandardInput(session)) return OutputFailed();
  for (const std::string& expression : line.expressions) {
    const bool written =
        expression == zorvane::cli::kStandardInput
            ? ReadStandardInput(session)
            : WriteAll(stdout, session.Evaluate(zorvane::cli::ArgumentText(expression)) + "\n");
    if (!written) return OutputFailed();
  }
  return session.anyError ? kExitSomeError : kExitOk;
}
