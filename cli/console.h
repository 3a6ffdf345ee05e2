#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

// What zorvane-cli needs from the system it runs on, one file for each
// (console_posix.cpp, console_windows.cpp).

// Prepares the standard streams for the batch protocol. A closed output pipe is
// then reported by the writes (exit status 3), never by a signal; standard
// input is read byte for byte, so that a CR before the LF is taken off by the
// reader and no byte ends the input early.
void PrepareStandardStreams();

// True when standard input is a terminal (on Windows: a console), where a
// session with a prompt begins instead of the batch protocol.
bool InputIsTerminal();

// Whether the write that failed with `error` (an errno value) failed because
// the reader of the output has gone, as in `zorvane-cli | head -2`: the usual
// end of a pipeline, not a fault. Windows reports it as a failed write whose
// system error names the closed pipe.
bool ReaderHasGone(int error);

// True when standard output is a terminal (a console): the greeting and the
// prompts go there, or to standard error when the answers go to a file or pipe.
bool OutputIsTerminal();

// The arguments after the program name, as UTF-8 texts.
std::vector<std::string> Arguments(int argc, char** argv);

// The keys that end the input of a session at a terminal, for its greeting.
std::string_view EndOfInputKeys();

}  // namespace zorvane::cli
