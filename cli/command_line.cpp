#include "cli/command_line.h"

namespace zorvane::cli {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (optionsEnded || !arg.starts_with("--") || arg.size() == 2) {
      if (!optionsEnded && arg == "--") {
        optionsEnded = true;
      } else if (!optionsEnded && arg == "-h") {
        line.help = true;
      } else {
        line.expressions.push_back(arg);
      }
    } else if (arg == "--deg") {
      line.options.deg = true;
    } else if (arg == "--fix-e") {
      line.options.fixE = true;
    } else if (arg == "--trace") {
      line.trace = true;
    } else if (arg == "--explain") {
      line.explain = true;
    } else if (arg == "--help") {
      line.help = true;
    } else if (arg == "--version") {
      line.version = true;
    } else if (line.error.empty()) {
      line.error = "unknown option '" + arg + "'";
    }
  }
  return line;
}

std::string ToCapitals(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string ArgumentText(std::string_view argument) {
  std::string text;
  text.reserve(argument.size());
  for (std::size_t i = 0; i < argument.size(); ++i) {
    if (argument[i] == '\n' && (i == 0 || argument[i - 1] != '\r')) text += '\r';
    text += argument[i];
  }
  return text;
}

}  // namespace zorvane::cli
