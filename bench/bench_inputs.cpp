#include "bench/bench_inputs.h"

namespace zorvane::bench {
namespace {

std::string Repeat(std::string_view part, int times) {
  std::string text;
  text.reserve(part.size() * static_cast<std::size_t>(times > 0 ? times : 0));
  for (int i = 0; i < times; ++i)
    text += part;
  return text;
}

// 1+1+...+1
std::string FlatSum(int terms) {
  return Repeat("1+", terms - 1) + "1";
}

// 1-1-...-1: every difference is computed from the left.
std::string FlatDifference(int terms) {
  return Repeat("1-", terms - 1) + "1";
}

// 1*1*...*1: the multiplicative level is searched first.
std::string FlatProduct(int terms) {
  return Repeat("1*", terms - 1) + "1";
}

// 1+2*3+2*3...: products first, then the sums.
std::string MixedLevels(int terms) {
  return "1" + Repeat("+2*3", (terms - 1) / 2);
}

// (((1+1)+1)+1)...
std::string NestedLeft(int terms) {
  return Repeat("(", terms - 1) + "1" + Repeat("+1)", terms - 1);
}

// 1+(1+(1+(...)))
std::string NestedRight(int terms) {
  return Repeat("1+(", terms - 1) + "1" + Repeat(")", terms - 1);
}

// ((((1)))): one pair of brackets goes per cycle.
std::string DeepBrackets(int depth) {
  return Repeat("(", depth) + "1" + Repeat(")", depth);
}

// 2^1^1^...^1, evaluated from the left.
std::string PowerChain(int terms) {
  return "2" + Repeat("^1", terms - 1);
}

// SQR(SQR(...SQR(2)...))
std::string SqrNested(int functions) {
  return Repeat("SQR(", functions) + "2" + Repeat(")", functions);
}

// SQRSQR...SQR2: every function takes the next as its argument.
std::string SqrBare(int functions) {
  return Repeat("SQR", functions) + "2";
}

// SIN(1)+SIN(1)+...: many independent functions.
std::string FunctionSum(int terms) {
  return Repeat("SIN(1)+", terms - 1) + "SIN(1)";
}

// 1E0+1E0+...: every exponent mark becomes a bracketed power of ten.
std::string ExponentMarks(int terms) {
  return Repeat("1E0+", terms - 1) + "1E0";
}

// PI+PI+...: every PI becomes sixteen digits.
std::string PiSum(int terms) {
  return Repeat("PI+", terms - 1) + "PI";
}

// 1.234...*1: a long fraction read by one operation.
std::string LongFraction(int digits) {
  std::string text = "1.";
  for (int i = 0; i < digits; ++i)
    text += static_cast<char>('0' + (i % 9) + 1);
  return text + "*1";
}

// 0.000...0: a long zero fraction that needs no reduction.
std::string ZeroFraction(int digits) {
  return "0." + Repeat("0", digits);
}

// 1E000...0*1E000...0*...: exponents of 101 digits, the most a number may
// have before its point.
std::string LongExponent(int terms) {
  const std::string term = "1E" + Repeat("0", 101);
  std::string text = term;
  for (int i = 1; i < terms; ++i)
    text += "*" + term;
  return text;
}

// 1^999...9+1^999...9+...: exponents of 101 nines on the base 1, where the
// range check of a power could take that many steps.
std::string HugeExponentOne(int terms) {
  const std::string term = "1^" + Repeat("9", 101);
  std::string text = term;
  for (int i = 1; i < terms; ++i)
    text += "+" + term;
  return text;
}

}  // namespace

std::function<std::string(int count)> Pattern(std::string head, std::string unit, std::string foot,
                                              std::string close) {
  return [=](int count) { return head + Repeat(unit, count) + foot + Repeat(close, count); };
}

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes{
      {"flat_sum", FlatSum},
      {"flat_difference", FlatDifference},
      {"flat_product", FlatProduct},
      {"mixed_levels", MixedLevels},
      {"nested_left", NestedLeft},
      {"nested_right", NestedRight},
      {"deep_brackets", DeepBrackets},
      {"power_chain", PowerChain},
      {"sqr_nested", SqrNested},
      {"sqr_bare", SqrBare},
      {"function_sum", FunctionSum, true},
      {"exponent_marks", ExponentMarks},
      {"pi_sum", PiSum},
      {"long_fraction", LongFraction},
      {"zero_fraction", ZeroFraction},
      {"long_exponent", LongExponent},
      {"huge_exponent_one", HugeExponentOne},
  };
  return shapes;
}

const std::vector<Shape>& SurveyShapes() {
  static const std::vector<Shape> shapes{
      {"decimal_sum", Pattern("1.25", "+1.25", "")},
      {"quotient", Pattern("1", "/1", "")},
      {"precedence", Pattern("1", "+2*3-4/5", "")},
      {"products_then_sums", Pattern("1", "*1*1*1*1+1", "")},
      {"groups", Pattern("(1)", "+(1)", "")},
      {"group_sums", Pattern("(1+1)", "*(1+1)", "")},
      {"nest_mixed_brackets", Pattern("", "[{(", "1", ")}]")},
      {"nest_sum_right", Pattern("", "(1+", "1", ")")},
      {"nest_negated", Pattern("", "-(", "1", ")")},
      {"nest_function", Pattern("", "SIN(", "1", ")")},
      {"power_chain_ones", Pattern("1", "^1", "")},
      {"power_chain_groups", Pattern("(1)", "^(1)", "")},
      {"power_chain_neg", Pattern("1", "^-1", "")},
      {"power_sum", Pattern("2^2", "+2^2", "")},
      {"power_pre_check", Pattern("1.0000001^99999", "+1.0000001^99999", "")},
      {"power_of_function", Pattern("2^SIN1", "+2^SIN1", "")},
      {"function_chain_sin", Pattern("", "SIN", "1")},
      {"function_chain_atn", Pattern("", "ATN", "1")},
      {"function_chain_exp", Pattern("", "EXP", "0")},
      {"function_sum_bare", Pattern("SIN1", "+COS1", "")},
      {"function_group_sum", Pattern("SIN(1)", "+LOG(2)", "")},
      {"function_power", Pattern("SIN(1)^2", "+SIN(1)^2", "")},
      {"exp_sum", Pattern("EXP(0)", "+EXP(0)", "")},
      {"exponent_of_zeros", Pattern("1E", "0", "1")},
      {"long_exponent_neg", Pattern("1E-", "0", "1")},
      {"long_exponent_nines", Pattern("1E", "9", "")},
      {"exponent_sum", Pattern("1E1", "+1E1", "")},
      {"exponent_product", Pattern("1E1", "*1E-1", "")},
      {"exponent_groups", Pattern("(1E1)", "+(1E1)", "")},
      {"many_e_marks", Pattern("1", "E1", "")},
      {"e_marks_alone", Pattern("", "E", "")},
      {"long_fraction_fives", Pattern("1.", "5", "")},
      {"long_zero_fraction", Pattern("0.", "0", "1")},
      {"long_integer_fraction", Pattern(Repeat("9", 101) + ".", "9", "")},
      {"long_integer", Pattern("", "1", "")},
      {"long_fraction_sum", Pattern("0.", "1", "+0.1")},
      {"sign_pairs", Pattern("1", "+-", "2")},
      {"sign_run", Pattern("1", "-", "2")},
      {"sign_run_plus", Pattern("1", "+", "2")},
      {"signs_before_groups", Pattern("1", "-(-1)", "")},
      {"blanks", Pattern("1", " + 1", "")},
      {"line_breaks", Pattern("1", "+\r\n1", "")},
      {"blank_run", Pattern("1+", " ", "1")},
      {"open_brackets", Pattern("", "(", "")},
      {"close_brackets", Pattern("", ")", "")},
      {"empty_groups", Pattern("", "( )", "")},
      {"unknown_letters", Pattern("", "Z", "")},
      {"points", Pattern("1", ".1", "")},
      {"formula_sum", Pattern("X0", "+X0", ""), false, true},
      {"formula_product", Pattern("X0", "*X0", ""), false, true},
  };
  return shapes;
}

std::string OfLength(const Shape& shape, std::size_t length) {
  // The length grows with the count; find the largest count that fits.
  int low = 1;
  int high = 1;
  while (shape.make(high).size() <= length)
    high *= 2;
  while (high - low > 1) {
    const int mid = low + (high - low) / 2;
    (shape.make(mid).size() <= length ? low : high) = mid;
  }
  return shape.make(low);
}

const Shape* FindShape(std::string_view name) {
  for (const auto* shapes : {&Shapes(), &SurveyShapes()}) {
    for (const Shape& shape : *shapes) {
      if (shape.name == name) return &shape;
    }
  }
  return nullptr;
}

}  // namespace zorvane::bench
