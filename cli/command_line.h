#pragma once

#include <string>
#include <vector>

#include "engine/evaluate.h"

namespace zorvane::cli {

struct CommandLine {
  Options options;
  bool trace = false;
  bool help = false;
  bool version = false;
  std::vector<std::string> expressions;
  std::string error;  // a usage error, or empty
};

// Reads the arguments after the program name. An argument that begins with a
// single "-" is an expression ("-2^2"); "--" ends the options.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Letters a to z become capitals, as the window's Input Box does with typing.
std::string ToCapitals(std::string text);

}  // namespace zorvane::cli
