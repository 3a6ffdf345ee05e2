#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "cli/console.h"

namespace zorvane::cli {

void PrepareStandardStreams() {
  std::signal(SIGPIPE, SIG_IGN);
}

bool InputIsTerminal() {
  return isatty(STDIN_FILENO) != 0;
}

bool ReaderHasGone(int error) {
  return error == EPIPE;
}

bool OutputIsTerminal() {
  return isatty(STDOUT_FILENO) != 0;
}

std::vector<std::string> Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

std::string_view EndOfInputKeys() {
  return "Ctrl+D";
}

}  // namespace zorvane::cli
