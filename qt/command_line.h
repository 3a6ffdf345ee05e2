#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::qt {

enum class Launch { Window, Help, Version, UsageError };

// What the command line asks for: nothing (open the window), --help or --version.
// Anything else is a usage error.
Launch ParseCommandLine(const std::vector<std::string_view>& arguments);

std::string HelpText();
std::string VersionText();
std::string UsageErrorText(const std::vector<std::string_view>& arguments);

// Whether a display server is named in the environment (or a Qt platform chosen).
bool DisplayAvailable();
std::string NoDisplayText();

}  // namespace zorvane::qt
