#pragma once

namespace zorvane::qt {

// The zorvane program: reads its command line (--help, --version), opens the
// calculator window and returns the exit status once it closes. `started`, when
// given, runs once the application object exists and before the window opens
// (the start-up measurements hook in there).
int RunWindowProgram(int argc, char* argv[], void (*started)() = nullptr);

}  // namespace zorvane::qt
