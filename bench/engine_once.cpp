// Evaluates one input of a bench shape once, for a profiler:
//   valgrind --tool=callgrind build-bench/bench/engine_bench_once flat_sum 2000
// The count is that of the shape (terms, brackets, digits); with "chars" before
// it, a length in characters: engine_bench_once flat_sum chars 10000.
// "text" evaluates a given expression a number of times:
//   engine_bench_once text '2*(1+SIN30)' 10000
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "bench/bench_inputs.h"
#include "engine/evaluate.h"

int main(int argc, char** argv) {
  const auto usage = [] {
    std::fputs("usage: engine_bench_once SHAPE [chars] COUNT | text EXPRESSION [TIMES]\nshapes:",
               stderr);
    for (const auto& shape : zorvane::bench::Shapes()) {
      std::fprintf(stderr, " %.*s", static_cast<int>(shape.name.size()), shape.name.data());
    }
    std::fputs("\n", stderr);
    return 2;
  };
  if (argc < 3) return usage();
  if (std::string_view(argv[1]) == "text") {
    int times = 1;
    if (argc == 4) std::from_chars(argv[3], argv[3] + std::string_view(argv[3]).size(), times);
    std::string result;
    for (int i = 0; i < times; ++i)
      result = zorvane::Evaluate(argv[2], {true, false}).text;
    std::printf("%s -> %s\n", argv[2], result.c_str());
    return 0;
  }
  const zorvane::bench::Shape* shape = zorvane::bench::FindShape(argv[1]);
  const bool byLength = argc == 4 && std::string_view(argv[2]) == "chars";
  const std::string_view countText = argv[argc - 1];
  int count = 0;
  if (shape == nullptr ||
      std::from_chars(countText.data(), countText.data() + countText.size(), count).ec !=
          std::errc()) {
    return usage();
  }
  const std::string input = byLength
                                ? zorvane::bench::OfLength(*shape, static_cast<std::size_t>(count))
                                : shape->make(count);
  const std::string result = zorvane::Evaluate(input, zorvane::Options{shape->deg, false}).text;
  std::printf("%zu chars -> %s\n", input.size(), result.c_str());
  return 0;
}
