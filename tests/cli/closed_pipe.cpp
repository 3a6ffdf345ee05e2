// Runs a program with its standard output on a pipe whose reader has gone
// and SIGPIPE at its default; succeeds when the program exits with status 3
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
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGPIPE, SIG_DFL);
    dup2(ends[1], STDOUT_FILENO);
    execv(argv[1], argv + 1);
    _exit(127);
  }
  close(ends[1]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return 2;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 3) return 0;
  std::fprintf(stderr, "%s: %s %d, expected exit status 3\n", argv[1],
               WIFSIGNALED(status) ? "ended by signal" : "exit status",
               WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
  return 1;
}
