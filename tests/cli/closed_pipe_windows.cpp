// Runs a program with its standard output on a pipe whose reader has gone;
// succeeds when the program exits with the status given. The Windows
// counterpart of closed_pipe.cpp: a write to such a pipe fails (there is no
// signal).
// Usage: closed_pipe STATUS PROGRAM [ARGUMENT...]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// One argument quoted for the command line, as the C runtime splits it again.
std::string Quoted(const std::string& arg) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const unsigned long expected = std::strtoul(argv[1], nullptr, 10);
  std::string commandLine;
  for (int i = 2; i < argc; ++i)
    commandLine += (i > 2 ? " " : "") + Quoted(argv[i]);

  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return 2;
  CloseHandle(readEnd);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "%s: cannot start (error %lu)\n", argv[2], GetLastError());
    return 2;
  }
  CloseHandle(writeEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (status == expected) return 0;
  std::fprintf(stderr, "%s: exit status %lu, expected %lu\n", argv[2], status, expected);
  return 1;
}
