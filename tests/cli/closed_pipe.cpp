// Runs a program with SIGPIPE at its default and its standard output on a
// pipe whose reader has gone, as `zorvane-cli | head -2` leaves it; succeeds
// when the program ends by itself with the status given, not by the signal,
// and says nothing on standard error.
// Usage: closed_pipe STATUS PROGRAM [ARGUMENT...]
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  int output[2];
  int errors[2];
  if (argc < 3 || pipe(output) != 0 || pipe(errors) != 0) return 2;
  close(output[0]);
  if (fork() == 0) {
    std::signal(SIGPIPE, SIG_DFL);
    dup2(output[1], STDOUT_FILENO);
    dup2(errors[1], STDERR_FILENO);
    close(errors[0]);
    execv(argv[2], argv + 2);
    _exit(127);
  }
  close(output[1]);
  close(errors[1]);
  std::string said;
  char buffer[256];
  for (ssize_t n; (n = read(errors[0], buffer, sizeof buffer)) > 0;)
    said.append(buffer, static_cast<std::size_t>(n));
  int status = 0;
  wait(&status);
  const int expected = std::atoi(argv[1]);
  if (WIFEXITED(status) && WEXITSTATUS(status) == expected && said.empty()) return 0;
  std::fprintf(stderr, "%s: wait status %#x, expected exit status %d; standard error: %s\n",
               argv[2], status, expected, said.c_str());
  return 1;
}
