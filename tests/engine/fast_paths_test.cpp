// The engine's shortcuts against the literal work they stand for: the range
// check before a power against the loop of single products, the sign collapse
// against the seven replacements, the block search for the last "(" against
// the search one character at a time.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <vector>

#include "engine/evaluate.h"
#include "engine/passes/sign_collapse.h"
#include "engine/text/number_text.h"
#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

// The range check as a loop of single products, each printed and checked.
bool ProductLoop(double base, double exponent) {
  if (!(exponent > 1)) return true;
  double product = 1;
  long long step = 1;
  do {
    product *= base;
    const int e = ExponentOfText(Scientific(product, 9));
    if (e > 100 || e < -100) return false;
    ++step;
  } while (static_cast<double>(step) < exponent);
  return true;
}

// A value as typed, in the fewest digits that read back as it.
std::string Typed(double value) {
  char text[512];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
  return std::string(text, end);
}

// Whether the power base^exponent, typed and evaluated, is refused by the range
// check, and with which base and exponent the check was made.
bool RangeCheckRefuses(double& base, double& exponent) {
  const std::string typedBase = Typed(base);
  const std::string typedExponent = Typed(exponent);
  base = ReadNumber(typedBase);
  exponent = ReadNumber(typedExponent);
  const Outcome outcome = Evaluate("(" + typedBase + ")^" + typedExponent, Options{});
  return outcome.failure &&
         outcome.failure->reason.ends_with(" goes beyond the range 1E-100 to 1E+100");
}

TEST(Powers, RangeCheckAgreesWithTheProductLoop) {
  std::mt19937_64 random(2026);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int failures = 0;
  const int draws = 300;
  for (int i = 0; i < draws; ++i) {
    double base = 0;
    double exponent = 0;
    if (i % 4 == 0) {  // any base, small exponents
      base = (unit(random) - 0.5) * 40;
      exponent = unit(random) * 400;
    } else if (i % 4 == 1) {  // powers of ten around the range's ends
      base = std::pow(10.0, std::floor(unit(random) * 9) - 4);
      exponent = std::floor(unit(random) * 120);
    } else if (i % 4 == 2) {  // bases near 1 whose products leave the range after many steps
      const double steps = 1000 + unit(random) * 60000;
      base = std::pow(10.0, (unit(random) < 0.5 ? 101.0 : -101.0) / steps);
      exponent = std::floor(steps) + std::floor(unit(random) * 5) - 2;
    } else {  // 0, 1, -1 and bases that barely move the product
      base = std::vector<double>{0, 1, -1, 1 + 1e-15, 1 - 1e-15, -0.5}[i % 6];
      exponent = 1 + unit(random) * 70000;
    }
    const bool refused = RangeCheckRefuses(base, exponent);
    const bool loop = ProductLoop(base, exponent);
    EXPECT_EQ(!refused, loop) << "base " << Scientific(base, 16) << " exponent " << exponent;
    failures += loop ? 0 : 1;
  }
  // Both outcomes must be well represented for the comparison to mean much.
  EXPECT_GT(failures, draws / 5);
  EXPECT_LT(failures, draws * 4 / 5);
}

// The collapse of sign pairs looks only where a rewrite may have put two signs
// side by side.
TEST(SignCollapse, EqualsTheSevenReplacementsInTurn) {
  const char* const rules[][2] = {{"++", "+"}, {"-+", "-"}, {"/+", "/"}, {"*+", "*"},
                                  {"--", "+"}, {"(+", "("}, {"+-", "-"}};
  const std::string alphabet = "+-*/(1e";
  std::mt19937 random(7);
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    const int length = static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k)
      text += alphabet[random() % alphabet.size()];
    std::string expected = text;
    for (const auto& rule : rules)
      expected = ReplaceAll(expected, rule[0], rule[1]);
    std::string collapsed = text;
    const std::size_t end = CollapseSignsInRange(collapsed, 0, collapsed.size());
    EXPECT_EQ(end, collapsed.size()) << text;
    ASSERT_EQ(collapsed, expected) << text;
  }
}

// Texts around the block size, with the "(" at either end of a block, in the
// one before, or nowhere.
TEST(FindLast, EqualsSearchingOneByOne) {
  std::mt19937 random(11);
  for (int i = 0; i < 5000; ++i) {
    std::string text(random() % 200, '1');
    for (int k = static_cast<int>(random() % 3); k > 0 && !text.empty(); --k)
      text[random() % text.size()] = '(';
    ASSERT_EQ(FindLast(text, '('), std::string_view(text).rfind('(')) << text;
  }
}

}  // namespace
}  // namespace zorvane
