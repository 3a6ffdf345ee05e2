// zorvane-cli making a table of a million rows: rows per second and the
// program's peak memory, for the formula's values made by --range, read line
// by line by --formula, and the formula with its values put in read by the
// plain batch mode. Each run is one process, its output read through a pipe.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//     -DZORVANE_BUILD_BENCH=ON -DZORVANE_BUILD_GUI=OFF -DBUILD_TESTING=OFF
//   cmake --build build-bench --target table_bench zorvane-cli
//   build-bench/bench/table_bench
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/evaluate.h"

extern char** environ;

namespace zorvane::bench {
namespace {

// X0 from 0 to 99999.9 in steps of 0.1: a million values.
constexpr const char* kFormula = "SQR X0+X0^2/3";

std::string Substituted(const std::string& value) {
  return "SQR(" + value + ")+(" + value + ")^2/3";
}

// The value at `row` as --range writes it: tenths without needless zeros.
std::string Value(long row) {
  std::string text = std::to_string(row / 10);
  if (row % 10 != 0) text += "." + std::to_string(row % 10);
  return text;
}

// A file of one line for each of the first `rows` values, as `line` makes it.
template <class MakeLine>
std::string InputFile(const char* name, long rows, MakeLine line) {
  const std::string path = std::string(P_tmpdir) + "/zorvane-table-bench-" + name + "-" +
                           std::to_string(rows) + "-" + std::to_string(getpid());
  std::FILE* file = std::fopen(path.c_str(), "w");
  for (long row = 0; row < rows && file != nullptr; ++row) {
    const std::string text = line(Value(row)) + "\n";
    std::fwrite(text.data(), 1, text.size(), file);
  }
  if (file != nullptr) std::fclose(file);
  return path;
}

struct Run {
  long lines = 0;
  std::string lastLine;
  long peakKiB = 0;  // the child's maximum resident set size
  bool ok = false;
};

// Runs zorvane-cli with `args`, standard input from `input`; reads its output.
Run RunCli(const std::vector<std::string>& args, const std::string& input) {
  Run run;
  int ends[2];
  if (pipe(ends) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, ends[0]);
  std::vector<char*> argv{const_cast<char*>(ZORVANE_CLI)};
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, ZORVANE_CLI, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(ends[1]);
  if (spawned != 0) {
    close(ends[0]);
    return run;
  }
  std::string line;
  char buffer[1 << 16];
  for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) > 0;) {
    for (ssize_t i = 0; i < got; ++i) {
      if (buffer[i] == '\n') {
        ++run.lines;
        run.lastLine = std::move(line);
        line.clear();
      } else {
        line += buffer[i];
      }
    }
  }
  close(ends[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.peakKiB = usage.ru_maxrss;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

// Times `rows` rows a run, and fails the run when a row is missing or the last
// one is not the engine's answer.
void Table(benchmark::State& state, const std::vector<std::string>& args,
           const std::string& input) {
  const long rows = state.range(0);
  const std::string expected = Evaluate(Substituted(Value(rows - 1)), Options{}).text;
  long peakKiB = 0;
  for (auto _ : state) {
    const Run run = RunCli(args, input);
    if (!run.ok || run.lines != rows || run.lastLine != expected) {
      state.SkipWithError(("rows " + std::to_string(run.lines) + ", last row '" + run.lastLine +
                           "', expected '" + expected + "'")
                              .c_str());
      return;
    }
    peakKiB = std::max(peakKiB, run.peakKiB);
  }
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_KiB"] = static_cast<double>(peakKiB);
}

void Range(benchmark::State& state) {
  const std::string last = Value(state.range(0) - 1);
  Table(state, {"--formula", kFormula, "--range", "X0=0:" + last + ":0.1"}, "/dev/null");
}

void FormulaLines(benchmark::State& state) {
  const std::string input =
      InputFile("values", state.range(0), [](const std::string& value) { return value; });
  Table(state, {"--formula", kFormula}, input);
  std::remove(input.c_str());
}

void BatchLines(benchmark::State& state) {
  const std::string input = InputFile("expressions", state.range(0), Substituted);
  Table(state, {}, input);
  std::remove(input.c_str());
}

// A hundred thousand and a million rows: the peak memory stays the same.
#define ZORVANE_TABLE_BENCH(name) \
  BENCHMARK(name)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kSecond)->UseRealTime()
ZORVANE_TABLE_BENCH(Range);
ZORVANE_TABLE_BENCH(FormulaLines);
ZORVANE_TABLE_BENCH(BatchLines);

}  // namespace
}  // namespace zorvane::bench
