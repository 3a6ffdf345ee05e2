#include "qt/command_line.h"

#include <cstdlib>

#include "zorvane_facts.h"

namespace zorvane::qt {
namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

Launch ParseCommandLine(const std::vector<std::string_view>& arguments) {
  if (arguments.empty()) return Launch::Window;
  if (arguments.size() == 1 && arguments[0] == "--help") return Launch::Help;
  if (arguments.size() == 1 && arguments[0] == "--version") return Launch::Version;
  return Launch::UsageError;
}

std::string HelpText() {
  return "Usage: zorvane [--help | --version]\n"
         "\n"
         "Opens the Zorvane calculator window. Type an expression such as 2*(1+SIN30)\n"
         "into the Input Box, or build it with the keypad, and press Enter or EXE;\n"
         "the result is logged at the top of the Output Box. Ctrl+Enter starts a new\n"
         "line, Escape closes the window.\n"
         "\n"
         "  --help     show this text and exit\n"
         "  --version  show the version and exit\n"
         "\n"
         "For calculations in a terminal or a script, use zorvane-cli.\n";
}

std::string VersionText() {
  return "zorvane " ZORVANE_VERSION "\n";
}

std::string UsageErrorText(const std::vector<std::string_view>& arguments) {
  std::string text = "zorvane: unexpected argument";
  for (std::string_view argument : arguments) {
    if (argument != "--help" && argument != "--version") {
      (text += " '").append(argument) += "'";
      break;
    }
  }
  if (arguments.size() > 1) text = "zorvane: too many arguments";
  return text + "\nUsage: zorvane [--help | --version]\n";
}

bool DisplayAvailable() {
  return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

std::string NoDisplayText() {
  return "zorvane: no graphical display found (DISPLAY is not set); "
         "use zorvane-cli to calculate in a terminal\n";
}

}  // namespace zorvane::qt
