#include "tests/cli/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace zorvane::testing {
namespace {

constexpr auto kTimeLimit = std::chrono::seconds(60);

// A file descriptor closed when it goes out of scope.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept {
    Reset();
    fd_ = std::exchange(other.fd_, -1);
    return *this;
  }
  ~Fd() { Reset(); }
  int get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

struct Pipe {
  Fd read;
  Fd write;
};

Pipe MakePipe() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
  return {Fd(fds[0]), Fd(fds[1])};
}

void Check(int rc, const char* what) {
  if (rc != 0) throw std::runtime_error(std::string(what) + ": " + std::strerror(rc));
}

std::vector<std::string> ChildEnvironment(const ChildSpec& request) {
  bool setsLcAll = false;
  for (const auto& [name, value] : request.env)
    setsLcAll = setsLcAll || name == "LC_ALL";
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('='));
    bool replaced = false;
    for (const auto& [n, v] : request.env)
      replaced = replaced || n == name;
    if (setsLcAll && (name == "LANG" || name == "LANGUAGE" || name.starts_with("LC_"))) {
      replaced = true;
    }
    if (!replaced) env.push_back(entry);
  }
  for (const auto& [name, value] : request.env)
    env.push_back(name + "=" + value);
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts)
    pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// A pseudo-terminal whose slave side becomes the child's standard input.
struct Terminal {
  Fd master;
  Fd slave;
};

Terminal OpenTerminal() {
  Fd master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (master.get() < 0 || ::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0) {
    throw std::runtime_error("no pseudo-terminal");
  }
  Fd slave(::open(::ptsname(master.get()), O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (slave.get() < 0) throw std::runtime_error("cannot open the terminal's slave side");
  return {std::move(master), std::move(slave)};
}

// Starts `program` with the three given descriptors as its standard input,
// output and error.
pid_t Spawn(const std::string& program, const ChildSpec& request, int in, int out, int err) {
  posix_spawn_file_actions_t actions;
  Check(::posix_spawn_file_actions_init(&actions), "file actions");
  Check(::posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO), "dup2 stdin");
  Check(::posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO), "dup2 stdout");
  Check(::posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO), "dup2 stderr");
  std::vector<std::string> argTexts{program};
  argTexts.insert(argTexts.end(), request.args.begin(), request.args.end());
  std::vector<std::string> envTexts = ChildEnvironment(request);
  std::vector<char*> argv = Pointers(argTexts);
  std::vector<char*> envp = Pointers(envTexts);
  pid_t pid = 0;
  const int spawned =
      ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  ::posix_spawn_file_actions_destroy(&actions);
  Check(spawned, "posix_spawn");
  return pid;
}

// Exit status, or -1 when a signal ended the child.
int WaitFor(pid_t pid, int* termSignal = nullptr) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (termSignal != nullptr) *termSignal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ChildResult RunChild(const std::string& program, const ChildSpec& request) {
  ::signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not end the test
  Pipe in = MakePipe();
  Pipe out = MakePipe();
  Pipe err = MakePipe();
  Terminal terminal;
  if (request.terminalStdin) terminal = OpenTerminal();
  if (request.closedStdout) out.read.Reset();

  const int stdinSource = request.terminalStdin ? terminal.slave.get() : in.read.get();
  const int stderrTarget = request.mergedStderr ? out.write.get() : err.write.get();
  const pid_t pid = Spawn(program, request, stdinSource, out.write.get(), stderrTarget);
  in.read.Reset();
  out.write.Reset();
  err.write.Reset();
  terminal.slave.Reset();

  // What is written to the child: the plain input, or the typed input and an
  // end-of-file character at the start of a line.
  std::string toWrite = request.input;
  int writeFd = in.write.get();
  if (request.terminalStdin) {
    in.write.Reset();
    if (!toWrite.empty() && !toWrite.ends_with('\n')) toWrite += '\n';
    struct termios modes {};
    ::tcgetattr(terminal.master.get(), &modes);
    toWrite += static_cast<char>(modes.c_cc[VEOF]);
    writeFd = terminal.master.get();
  }
  ::fcntl(writeFd, F_SETFL, ::fcntl(writeFd, F_GETFL) | O_NONBLOCK);

  ChildResult result;
  std::size_t written = 0;
  bool writing = true;
  if (toWrite.empty() && !request.terminalStdin) {
    in.write.Reset();
    writing = false;
  }
  const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  bool outOpen = out.read.get() >= 0;
  bool errOpen = true;
  char buffer[65536];
  while (outOpen || errOpen) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      result.timedOut = true;
      break;
    }
    pollfd fds[3] = {{outOpen ? out.read.get() : -1, POLLIN, 0},
                     {errOpen ? err.read.get() : -1, POLLIN, 0},
                     {writing ? writeFd : -1, POLLOUT, 0}};
    if (::poll(fds, 3, 1000) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[2].revents != 0) {
      const ssize_t n = ::write(writeFd, toWrite.data() + written, toWrite.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if ((n < 0 && errno != EAGAIN) || written == toWrite.size()) {
        writing = false;
        if (!request.terminalStdin) in.write.Reset();
      }
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents == 0) continue;
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EAGAIN) {
        (i == 0 ? outOpen : errOpen) = false;
      }
    }
  }
  result.exitCode = WaitFor(pid, &result.termSignal);
  return result;
}

ChildResult RunCli(const ChildSpec& request) {
  return RunChild(ZORVANE_CLI_PATH, request);
}

ChildResult RunCli(std::vector<std::string> args, std::string input) {
  ChildSpec request;
  request.args = std::move(args);
  request.input = std::move(input);
  return RunCli(request);
}

Conversation::Conversation(std::vector<std::string> args) {
  ::signal(SIGPIPE, SIG_IGN);
  Pipe in = MakePipe();
  Pipe out = MakePipe();
  ChildSpec request;
  request.args = std::move(args);
  pid_ = Spawn(ZORVANE_CLI_PATH, request, in.read.get(), out.write.get(), STDERR_FILENO);
  in_ = in.write.Release();
  out_ = out.read.Release();
}

Conversation::~Conversation() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    Finish();
  }
  if (out_ >= 0) ::close(out_);
}

void Conversation::Send(std::string_view text) {
  while (!text.empty() && in_ >= 0) {
    const ssize_t n = ::write(in_, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
}

std::string Conversation::ReadLine() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (pending_.find('\n') == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return "<no line>";
    pollfd fd{out_, POLLIN, 0};
    if (::poll(&fd, 1, static_cast<int>(left.count())) <= 0) continue;
    char buffer[4096];
    const ssize_t n = ::read(out_, buffer, sizeof buffer);
    if (n <= 0) return "<no line>";
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
  const std::size_t end = pending_.find('\n');
  std::string line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  return line;
}

int Conversation::Finish() {
  if (in_ >= 0) ::close(std::exchange(in_, -1));
  if (pid_ <= 0) return -1;
  return WaitFor(std::exchange(pid_, -1));
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace zorvane::testing
