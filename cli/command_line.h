#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"

namespace zorvane::cli {

// "-" among the expressions: read standard input at that place.
inline constexpr std::string_view kStandardInput = "-";

struct CommandLine {
  Options options;
  bool trace = false;
  bool explain = false;
  bool help = false;
  bool version = false;
  bool log = false;                      // --log: the log entry instead of the result
  bool csv = false;                      // --csv: comma-separated values
  std::optional<std::string> formula;    // --formula: function mode on this formula
  std::vector<std::string> ranges;       // --range, as given: X0=FROM:TO:STEP
  std::vector<std::string> expressions;  // may hold kStandardInput
  std::string error;                     // a usage error, or empty
};

// Reads the arguments after the program name. An argument that begins with a
// single "-" is an expression ("-2^2"); "--" ends the options; "-" alone
// stands for standard input. --formula and --range take the next argument,
// or the text after "=" in the same one.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// An argument as the Input Box would hold it: a line break in it becomes the
// CR LF that Ctrl+Enter puts there, which evaluation passes over.
std::string ArgumentText(std::string_view argument);

}  // namespace zorvane::cli
