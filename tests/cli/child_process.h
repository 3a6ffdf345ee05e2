#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorvane::testing {

// How to start the program under test.
struct ChildSpec {
  std::vector<std::string> args;  // after the program name
  std::string input;              // written to standard input, then closed
  // Variables set in the child's environment on top of this process's own;
  // LC_ALL given here also removes LANG and every other LC_ variable.
  std::vector<std::pair<std::string, std::string>> env;
  // Standard output is a pipe whose read end is closed before the child
  // starts, so every write fails with EPIPE.
  bool closedStdout = false;
  // Standard input is the slave side of a pseudo-terminal; `input` is typed
  // into it, followed by the end-of-file character.
  bool terminalStdin = false;
  // Standard error goes into the same pipe as standard output (into `out`).
  bool mergedStderr = false;
};

struct ChildResult {
  std::string out;
  std::string err;
  int exitCode = -1;      // when the child exited
  int termSignal = 0;     // when a signal ended it
  bool timedOut = false;  // killed after the time limit
};

// Runs `program` with the request and collects everything it writes. Standard
// input, output and error are served together, so large inputs and outputs
// cannot block each other.
ChildResult RunChild(const std::string& program, const ChildSpec& request);

// The zorvane-cli under test.
ChildResult RunCli(const ChildSpec& request);
ChildResult RunCli(std::vector<std::string> args, std::string input = {});

// A running zorvane-cli that is fed and read one line at a time.
class Conversation {
 public:
  explicit Conversation(std::vector<std::string> args);
  Conversation(const Conversation&) = delete;
  Conversation& operator=(const Conversation&) = delete;
  ~Conversation();

  void Send(std::string_view text);
  // The next line of standard output without its "\n"; waits at most ten
  // seconds and gives "<no line>" when none came.
  std::string ReadLine();
  // Closes standard input and gives the exit status (-1 after a signal).
  int Finish();

 private:
  int pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  std::string pending_;
};

// Splits at "\n"; a final line without "\n" counts as a line.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace zorvane::testing
