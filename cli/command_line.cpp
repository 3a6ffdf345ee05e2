#include "cli/command_line.h"

namespace zorvane::cli {

namespace {

// The value of an option that takes one, from "--name=value" or the argument
// after "--name" (which `next` then passes); nullopt when `arg` is not that
// option, or `error` is set when the value is missing.
std::optional<std::string> OptionValue(std::string_view name, const std::vector<std::string>& args,
                                       std::size_t& next, std::string& error) {
  const std::string_view arg = args[next];
  if (arg.starts_with(name) && arg.substr(name.size()).starts_with('=')) {
    return std::string(arg.substr(name.size() + 1));
  }
  if (arg != name) return std::nullopt;
  if (next + 1 < args.size()) return args[++next];
  if (error.empty()) error = "option '" + std::string(name) + "' needs a value";
  return std::string();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  bool optionsEnded = false;
  for (std::size_t next = 0; next < args.size(); ++next) {
    const std::string& arg = args[next];
    std::optional<std::string> value;
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
    } else if (arg == "--log") {
      line.log = true;
    } else if (arg == "--csv") {
      line.csv = true;
    } else if ((value = OptionValue("--formula", args, next, line.error))) {
      if (line.formula && line.error.empty()) line.error = "--formula given twice";
      line.formula = std::move(value);
    } else if ((value = OptionValue("--range", args, next, line.error))) {
      line.ranges.push_back(std::move(*value));
    } else if (line.error.empty()) {
      line.error = "unknown option '" + arg + "'";
    }
  }
  return line;
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
