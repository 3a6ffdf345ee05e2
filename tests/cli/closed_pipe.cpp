// Runs a program with SIGPIPE at its default and its standard output on a
// pipe whose reader has gone; succeeds when the program exits with status 3
// by itself instead of being ended by the signal.
// Usage: closed_pipe PROGRAM [ARGUMENT...]
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
  int ends[2];
  if (argc < 2 || pipe(ends) != 0) return 2;
  close(ends[0]);
  if (fork() == 0) {
    std::signal(SIGPIPE, SIG_DFL);
    dup2(ends[1], STDOUT_FILENO);
    execv(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  wait(&status);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 3) return 0;
  std::fprintf(stderr, "%s: wait status %#x, expected exit status 3\n", argv[1], status);
  return 1;
}
