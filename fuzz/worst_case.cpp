// Times one evaluation of long inputs of many shapes, to find the shapes that
// cost most per character. Not a test: it prints a table and never fails.
//
//   zorvane_worst_case [LENGTH...]         every shape at each length
//                                          (default 10000 and 32767)
//   zorvane_worst_case --shape NAME LENGTH one shape, and its result
//   zorvane_worst_case --list              the shape names
//   zorvane_worst_case --repeat HEAD UNIT FOOT LENGTH
//                                          HEAD + UNIT * k + FOOT, any shape
//   zorvane_worst_case --file PATH         the Input Box text from a file, such
//                                          as a slow unit that a fuzzer found
//
// Every input is made exactly LENGTH characters long: the shape's pattern is
// repeated as often as it fits, and blanks fill up the rest.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"
#include "engine/exe.h"

namespace {

using Maker = std::function<std::string(std::size_t)>;

struct Shape {
  const char* name;
  Maker make;
  bool functionMode = false;  // the text is the stored formula, X0 is given as 1
};

std::string Pad(std::string text, std::size_t length) {
  if (text.size() < length) text.append(length - text.size(), ' ');
  return text;
}

// head + unit * k + foot, with k as large as fits.
Maker Repeat(std::string head, std::string unit, std::string foot) {
  return [=](std::size_t length) {
    std::string text = head;
    while (!unit.empty() && text.size() + unit.size() + foot.size() <= length)
      text += unit;
    return Pad(text + foot, length);
  };
}

// open * k + middle + close * k.
Maker Nest(std::string open, std::string middle, std::string close) {
  return [=](std::size_t length) {
    const std::size_t k = (length - middle.size()) / (open.size() + close.size());
    std::string text;
    for (std::size_t i = 0; i < k; ++i)
      text += open;
    text += middle;
    for (std::size_t i = 0; i < k; ++i)
      text += close;
    return Pad(text, length);
  };
}

// head + fill char up to the length - foot + foot.
Maker Run(std::string head, char fill, std::string foot) {
  return [=](std::size_t length) {
    std::string text = head;
    text.append(length - head.size() - foot.size(), fill);
    return text + foot;
  };
}

// ((((1+1)+1)+1)...): a left-leaning tree.
Maker LeftTree(std::string tail) {
  return [=](std::size_t length) {
    const std::size_t k = (length - 1) / (1 + tail.size() + 1);
    return Pad(
        std::string(k, '(') + "1" +
            [&] {
              std::string s;
              for (std::size_t i = 0; i < k; ++i)
                s += tail + ")";
              return s;
            }(),
        length);
  };
}

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = {
      {"sum", Repeat("1", "+1", "")},
      {"difference", Repeat("1", "-1", "")},
      {"decimal_sum", Repeat("1.25", "+1.25", "")},
      {"product", Repeat("1", "*1", "")},
      {"quotient", Repeat("1", "/1", "")},
      {"precedence", Repeat("1", "+2*3-4/5", "")},
      {"products_then_sums", Repeat("1", "*1*1*1*1+1", "")},
      {"groups", Repeat("(1)", "+(1)", "")},
      {"group_sums", Repeat("(1+1)", "*(1+1)", "")},
      {"nest_number", Nest("(", "1", ")")},
      {"nest_mixed_brackets", Nest("[{(", "1", ")}]")},
      {"nest_sum_right", Nest("(1+", "1", ")")},
      {"nest_sum_left", LeftTree("+1")},
      {"nest_negated", Nest("-(", "1", ")")},
      {"nest_function", Nest("SIN(", "1", ")")},
      {"power_chain", Repeat("1", "^1", "")},
      {"power_chain_groups", Repeat("(1)", "^(1)", "")},
      {"power_chain_neg", Repeat("1", "^-1", "")},
      {"power_sum", Repeat("2^2", "+2^2", "")},
      {"power_pre_check", Repeat("1.0000001^99999", "+1.0000001^99999", "")},
      {"power_of_function", Repeat("2^SIN1", "+2^SIN1", "")},
      {"function_chain_sin", Repeat("", "SIN", "1")},
      {"function_chain_sqr", Repeat("", "SQR", "2")},
      {"function_chain_atn", Repeat("", "ATN", "1")},
      {"function_chain_exp", Repeat("", "EXP", "0")},
      {"function_sum", Repeat("SIN1", "+COS1", "")},
      {"function_group_sum", Repeat("SIN(1)", "+LOG(2)", "")},
      {"function_power", Repeat("SIN(1)^2", "+SIN(1)^2", "")},
      {"exp_sum", Repeat("EXP(0)", "+EXP(0)", "")},
      {"pi_sum", Repeat("PI", "+PI", "")},
      {"long_exponent", Run("1E", '0', "1")},
      {"long_exponent_neg", Run("1E-", '0', "1")},
      {"long_exponent_nines", Run("1E", '9', "")},
      {"exponent_sum", Repeat("1E1", "+1E1", "")},
      {"exponent_product", Repeat("1E1", "*1E-1", "")},
      {"exponent_groups", Repeat("(1E1)", "+(1E1)", "")},
      {"many_e_marks", Repeat("1", "E1", "")},
      {"e_marks_alone", Repeat("", "E", "")},
      {"long_fraction", Run("1.", '5', "")},
      {"long_zero_fraction", Run("0.", '0', "1")},
      {"long_integer_fraction", Run(std::string(101, '9') + ".", '9', "")},
      {"long_integer", Run("", '1', "")},
      {"long_fraction_sum", Repeat("0.", "1", "+0.1")},
      {"sign_pairs", Repeat("1", "+-", "2")},
      {"sign_run", Run("1", '-', "2")},
      {"sign_run_plus", Run("1", '+', "2")},
      {"signs_before_groups", Repeat("1", "-(-1)", "")},
      {"blanks", Repeat("1", " + 1", "")},
      {"line_breaks", Repeat("1", "+\r\n1", "")},
      {"blank_run", Run("1+", ' ', "1")},
      {"open_brackets", Run("", '(', "")},
      {"close_brackets", Run("", ')', "")},
      {"empty_groups", Repeat("", "( )", "")},
      {"unknown_letters", Run("", 'Z', "")},
      {"points", Repeat("1", ".1", "")},
      {"formula_sum", Repeat("X0", "+X0", ""), true},
      {"formula_product", Repeat("X0", "*X0", ""), true},
  };
  return shapes;
}

struct Timing {
  double seconds;
  std::string result;
};

Timing Time(const Shape& shape, const std::string& text) {
  zorvane::ExeInput in;
  if (shape.functionMode) {
    in.fMode = true;
    in.formula = text;
    in.formulaState = {"X0", text};
    in.input = "X0=1";
  } else {
    in.input = text;
  }
  const auto start = std::chrono::steady_clock::now();
  const zorvane::ExeOutput out = zorvane::RunExe(in);
  const auto stop = std::chrono::steady_clock::now();
  std::string result = "(no entry)";
  if (out.output) {
    const std::size_t mark = out.output->rfind("\r\n=");
    result = out.output->substr(mark + 3);
  } else if (out.input) {
    result = "(prompt " + *out.input + ")";
  }
  return {std::chrono::duration<double>(stop - start).count(), result};
}

const Shape* FindShape(std::string_view name) {
  for (const Shape& shape : Shapes()) {
    if (name == shape.name) return &shape;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--list") {
    for (const Shape& shape : Shapes())
      std::printf("%s\n", shape.name);
    return 0;
  }
  if (args.size() == 3 && args[0] == "--shape") {
    const Shape* shape = FindShape(args[1]);
    if (!shape) {
      std::fprintf(stderr, "unknown shape %.*s\n", static_cast<int>(args[1].size()),
                   args[1].data());
      return 2;
    }
    const std::size_t length = std::strtoul(std::string(args[2]).c_str(), nullptr, 10);
    const std::string text = shape->make(length);
    const Timing t = Time(*shape, text);
    std::printf("%s %zu chars: %.3f s, result %s\n  input starts: %s\n", shape->name, text.size(),
                t.seconds, t.result.c_str(), text.substr(0, 60).c_str());
    return 0;
  }
  if (args.size() == 5 && args[0] == "--repeat") {
    const Shape shape{"repeat",
                      Repeat(std::string(args[1]), std::string(args[2]), std::string(args[3]))};
    const std::size_t length = std::strtoul(std::string(args[4]).c_str(), nullptr, 10);
    const std::string text = shape.make(length);
    const Timing t = Time(shape, text);
    std::printf("%zu chars: %.3f s, result %s\n  input starts: %s\n", text.size(), t.seconds,
                t.result.c_str(), text.substr(0, 60).c_str());
    return 0;
  }
  if (args.size() == 2 && args[0] == "--file") {
    std::ifstream file{std::string(args[1]), std::ios::binary};
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const Shape shape{"file", [&](std::size_t) { return text; }};
    const Timing t = Time(shape, text);
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
  for (const Shape& shape : Shapes()) {
    std::printf("%-24s", shape.name);
    std::string result;
    for (const std::size_t length : lengths) {
      const Timing t = Time(shape, shape.make(length));
      std::printf(" %10.4f s", t.seconds);
      std::fflush(stdout);
      result = t.result;
    }
    std::printf("  %s\n", result.substr(0, 40).c_str());
  }
  return 0;
}
