#include <windows.h>
// <shellapi.h> needs the types of <windows.h>.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "cli/console.h"
#include "cli/windows_text.h"
#include "engine/text/utf8.h"

namespace zorvane::cli {

std::string Utf8FromUtf16(std::wstring_view text) {
  // wchar_t is a UTF-16 unit on Windows.
  return ToUtf8(std::u16string(text.begin(), text.end()));
}

void PrepareStandardStreams() {
  // Standard input in binary mode: the text mode of the C runtime would end
  // the input at a Ctrl+Z byte and make CR CR LF one line break, where every
  // line must be answered as on any other system. The reader takes the CR of
  // CR LF off itself.
  _setmode(_fileno(stdin), _O_BINARY);
  // Standard output and error stay in text mode: every line ends in CR LF,
  // the line break of Windows, which its editors and tools expect in a file.
  // Writes to a pipe that no one reads fail; there is no signal.
}

bool InputIsTerminal() {
  // A console only: the NUL device and serial ports count as character
  // devices for _isatty, but they hold a batch of lines, not a person typing.
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

bool ReaderHasGone(int error) {
  const DWORD system = GetLastError();
  return error == EPIPE || system == ERROR_BROKEN_PIPE || system == ERROR_NO_DATA;
}

bool OutputIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

std::vector<std::string> Arguments(int argc, char** argv) {
  // The arguments as typed, from the UTF-16 command line: `argv` holds them in
  // the ANSI code page, where a character it lacks may become a look-alike
  // ("２" becomes "2") and so a different expression.
  int count = 0;
  const std::unique_ptr<LPWSTR, decltype(&LocalFree)> wide(
      CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
  if (!wide) return std::vector<std::string>(argv + 1, argv + argc);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i)
    args.push_back(Utf8FromUtf16(wide.get()[i]));
  return args;
}

std::string_view EndOfInputKeys() {
  return "Ctrl+Z and Enter";
}

}  // namespace zorvane::cli
