// zorvane-cli: the calculator's engine on the command line and in scripts.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "engine/evaluate.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitSomeError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitOutput = 3;

constexpr std::string_view kUsage =
    "Usage: zorvane-cli [--deg] [--fix-e] [--trace] [EXPRESSION ...]\n"
    "Evaluates each EXPRESSION as the Zorvane window does and prints one result\n"
    "line for each. Without EXPRESSION, reads standard input line by line and\n"
    "prints exactly one line for each line read.\n"
    "\n"
    "  --deg        angles in degrees (the window's DEG)\n"
    "  --fix-e      every result in exponent form (the window's Fix_E)\n"
    "  --trace      show every rewrite of the expression on standard error\n"
    "  --help       show this help\n"
    "  --version    show the version\n"
    "  --           end of options; later arguments are expressions\n"
    "\n"
    "Exit status: 0 when no evaluation failed, 1 when any gave \"error\",\n"
    "2 for a usage error, 3 when the output could not be written.\n";

// Writes everything or reports failure (a closed pipe, a full disk).
bool WriteAll(std::FILE* stream, std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) return false;
  return std::fflush(stream) == 0;
}

struct Session {
  zorvane::Options options;
  bool trace = false;
  bool anyError = false;

  std::string Evaluate(const std::string& typed) {
    const std::string input = zorvane::cli::ToCapitals(typed);
    zorvane::TraceSink sink = [](std::string_view stage, std::string_view text) {
      if (stage == "error") return;  // the reason for a failure is not shown yet
      std::string line(stage);
      line.resize(std::max<std::size_t>(line.size(), 10), ' ');
      line.append(" ").append(text).append("\n");
      WriteAll(stderr, line);
    };
    zorvane::Outcome outcome = zorvane::Evaluate(input, input, options, trace ? &sink : nullptr);
    if (outcome.tooLong) {
      WriteAll(stderr, "zorvane-cli: an expression of " + std::to_string(typed.size()) +
                           " characters was too long to work out; gave \"error\"\n");
    }
    if (outcome.kind == zorvane::OutcomeKind::Error) anyError = true;
    return std::move(outcome.text);
  }
};

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (line.ends_with('\r')) line.pop_back();
  return true;
}

int RunBatch(Session& session) {
  std::string line;
  while (ReadLine(std::cin, line)) {
    if (!WriteAll(stdout, session.Evaluate(line) + "\n")) return kExitOutput;
  }
  return session.anyError ? kExitSomeError : kExitOk;
}

int RunInteractive(Session& session) {
  WriteAll(stdout, "Zorvane " ZORVANE_VERSION " - type an expression, Ctrl+D to end.\n");
  std::string line;
  while (WriteAll(stdout, "> ") && ReadLine(std::cin, line)) {
    const std::string result = session.Evaluate(line);
    if (result.empty()) continue;
    if (!WriteAll(stdout, zorvane::cli::ToCapitals(line) + "\n=" + result + "\n")) {
      return kExitOutput;
    }
  }
  WriteAll(stdout, "\n");
  return session.anyError ? kExitSomeError : kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  // A closed output pipe is reported by the writes, not by a signal.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);

  const std::vector<std::string> args(argv + 1, argv + argc);
  const zorvane::cli::CommandLine line = zorvane::cli::ParseCommandLine(args);
  if (!line.error.empty()) {
    WriteAll(stderr, "zorvane-cli: " + line.error + "\nTry 'zorvane-cli --help'.\n");
    return kExitUsage;
  }
  if (line.help) return WriteAll(stdout, kUsage) ? kExitOk : kExitOutput;
  if (line.version) {
    return WriteAll(stdout, "zorvane-cli " ZORVANE_VERSION "\n") ? kExitOk : kExitOutput;
  }

  Session session{line.options, line.trace};
  if (!line.expressions.empty()) {
    for (const std::string& expression : line.expressions) {
      if (!WriteAll(stdout, session.Evaluate(expression) + "\n")) return kExitOutput;
    }
    return session.anyError ? kExitSomeError : kExitOk;
  }
  return isatty(STDIN_FILENO) ? RunInteractive(session) : RunBatch(session);
}
