// Times one evaluation of long inputs of many shapes, to find the shapes that
// cost most per character. Not a test: it prints a table and never fails.
//
//   zorvane_worst_case [LENGTH...]         every shape at each length
//                                          (default 10000 and 32767)
//   zorvane_worst_case --shape NAME LENGTH one shape, and its result
//   zorvane_worst_case --list              the shape names
//   zorvane_worst_case --repeat HEAD UNIT FOOT LENGTH
//                                          HEAD + UNIT * k + FOOT, any shape
//   zorvane_worst_case --file PATH         the Input Box text from a file (of a
//                                          slow fuzz_engine unit: its bytes after
//                                          the first two, as `tail -c +3` gives)
//
// Every input is made exactly LENGTH characters long: the shape's pattern is
// repeated as often as it fits, and blanks fill up the rest.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "bench/bench_inputs.h"
#include "engine/exe.h"

namespace {

using zorvane::bench::Shape;

// The shape's input made exactly `length` long: its pattern as often as it fits,
// blanks for the rest.
std::string Padded(const Shape& shape, std::size_t length) {
  std::string text = zorvane::bench::OfLength(shape, length);
  if (text.size() < length) text.append(length - text.size(), ' ');
  return text;
}

struct Timing {
  double seconds;
  std::string result;
};

Timing Time(const Shape& shape, const std::string& text) {
  zorvane::ExeInput in;
  in.deg = shape.deg;
  if (shape.functionMode) {
    in.fMode = true;
    in.formula = text;
    in.formulaState = {"X0", text, {}};
    in.input = "X0=1";
  } else {
    in.input = text;
  }
  const auto start = std::chrono::steady_clock::now();
  const zorvane::ExeOutput out = zorvane::RunExe(in);
  const auto stop = std::chrono::steady_clock::now();
  std::string result = "(no entry)";
  if (out.entry) {
    const std::size_t mark = out.entry->rfind("\r\n=");
    result = out.entry->substr(mark + 3);
  } else if (out.input) {
    result = "(prompt " + *out.input + ")";
  }
  return {std::chrono::duration<double>(stop - start).count(), result};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--list") {
    for (const auto* shapes : {&zorvane::bench::Shapes(), &zorvane::bench::SurveyShapes()}) {
      for (const Shape& shape : *shapes)
        std::printf("%.*s\n", static_cast<int>(shape.name.size()), shape.name.data());
    }
    return 0;
  }
  if (args.size() == 3 && args[0] == "--shape") {
    const Shape* shape = zorvane::bench::FindShape(args[1]);
    if (!shape) {
      std::fprintf(stderr, "unknown shape %.*s\n", static_cast<int>(args[1].size()),
                   args[1].data());
      return 2;
    }
    const std::size_t length = std::strtoul(std::string(args[2]).c_str(), nullptr, 10);
    const std::string text = Padded(*shape, length);
    const Timing t = Time(*shape, text);
    std::printf("%s %zu chars: %.3f s, result %s\n  input starts: %s\n",
                std::string(args[1]).c_str(), text.size(), t.seconds, t.result.c_str(),
                text.substr(0, 60).c_str());
    return 0;
  }
  if (args.size() == 5 && args[0] == "--repeat") {
    const Shape shape{"repeat", zorvane::bench::Pattern(std::string(args[1]), std::string(args[2]),
                                                        std::string(args[3]))};
    const std::size_t length = std::strtoul(std::string(args[4]).c_str(), nullptr, 10);
    const std::string text = Padded(shape, length);
    const Timing t = Time(shape, text);
    std::printf("%zu chars: %.3f s, result %s\n  input starts: %s\n", text.size(), t.seconds,
                t.result.c_str(), text.substr(0, 60).c_str());
    return 0;
  }
  if (args.size() == 2 && args[0] == "--file") {
    std::ifstream file{std::string(args[1]), std::ios::binary};
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const Timing t = Time(Shape{"file", nullptr}, text);
    std::printf("%zu chars: %.3f s, result %s\n", text.size(), t.seconds, t.result.c_str());
    return 0;
  }
  std::vector<std::size_t> lengths;
  for (const std::string_view arg : args)
    lengths.push_back(std::strtoul(std::string(arg).c_str(), nullptr, 10));
  if (lengths.empty()) lengths = {10000, 32767};

  std::printf("%-24s", "shape");
  for (const std::size_t length : lengths)
    std::printf(" %12zu", length);
  std::printf("  result at the last length\n");
  for (const auto* shapes : {&zorvane::bench::Shapes(), &zorvane::bench::SurveyShapes()}) {
    for (const Shape& shape : *shapes) {
      std::printf("%-24.*s", static_cast<int>(shape.name.size()), shape.name.data());
      std::string result;
      for (const std::size_t length : lengths) {
        const Timing t = Time(shape, Padded(shape, length));
        std::printf(" %10.4f s", t.seconds);
        std::fflush(stdout);
        result = t.result;
      }
      std::printf("  %s\n", result.substr(0, 40).c_str());
    }
  }
  return 0;
}
