#pragma once

#include <string>

#include "cli/command_line.h"

namespace zorvane::cli {

struct AnswersRun {
  std::string usageError;     // refused before anything was evaluated
  bool outputFailed = false;  // standard output could not be written (errno says why)
  bool anyError = false;      // some answer was "error"
};

// Evaluates what the command line gives — the arguments, standard input line
// by line or at a terminal, or the values of the ranges — as expressions or,
// with --formula, as values for the formula, and writes the answers in the
// form asked for: results, log entries (--log) or a table (--csv).
AnswersRun RunAnswers(const CommandLine& line);

}  // namespace zorvane::cli
