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
  for (const Shape& shape : Shapes()) {
    if (shape.name == name) return &shape;
  }
  return nullptr;
}

}  // namespace zorvane::bench
