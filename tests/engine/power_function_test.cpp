#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/number_text.h"
#include "engine/power_pass.h"
#include "tests/engine/trace_capture.h"

namespace zorvane {
namespace {

using testing::Eval;

TEST(Powers, Results) {
  struct Row {
    const char* input;
    const char* result;
  };
  const Row rows[] = {
      {"2^3^2", "64"},
      {"2^-2", "0.25"},
      {"-2^2", "-4"},
      {"(-2)^2", "4"},
      {"(-2)^3", "-8"},
      {"2^-(1+2)", "0.125"},
      {"2^0.5", "1.414213562"},
      {"10^101/10", "1E+100"},
      {"10^101", "error"},
      {"10^102", "error"},
      {"10^100", "1E+100"},
      {"0.5^400", "error"},
      {"10^150", "error"},
      {"0^0", "error"},
      {"0^-1", "error"},
      {"0^2", "0"},
      {"(-8)^-0.5", "error"},
      {"(-8)^(1/3)", "error"},
      {"(-8)^1.5", "error"},
      {"(1E-5)^-100", "error"},
      {"(1E-5)^-60*(1E-5)^-60", "error"},
      {"(1E-5)^-60", "error"},
      {"1^(10^50)", "1"},
      {"(-1)^(10^50)", "1"},
      {"1.0000001^(10^12)", "error"},
      {"0.9999999^(10^12)", "error"},
      {"0^(10^50)", "0"},
      {"2^SIN(1)", "1.791876224"},
      {"2^3E2", "2.037035976E+90"},
      {"1^1E300", "error"},
      {"2^(3)^2", "64"},
      {"2^-(3)^2", "0.015625"},
      {"-(3)^2", "-9"},
      {"(2)^(1+1)", "4"},
      {"2^2^-1", "0.25"},
      {"4^.5^2", "4"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Eval(row.input), row.result) << row.input;
}

TEST(Functions, Results) {
  struct Row {
    const char* input;
    bool deg;
    const char* result;
  };
  const Row rows[] = {
      {"SIN(180)", true, "0"},
      {"COS(90)", true, "0"},
      {"TAN(45)", true, "1"},
      {"TAN(90)", true, "error"},
      {"TAN(270)", true, "error"},
      {"TAN(-90)", true, "error"},
      {"TAN(89)", true, "57.28996163"},
      {"ASN(1)", true, "90"},
      {"ACS(-1)", true, "180"},
      {"ASN(1.5)", false, "error"},
      {"ACS(-1.01)", true, "error"},
      {"SIN(30)", false, "error"},
      {"SIN(26)", false, "0.7625584505"},
      {"COS(-27)", false, "error"},
      {"SIN(1489)", true, "0.7547095802"},
      {"SIN(1489.7)", true, "error"},
      {"SIN(1489.69)", true, "0.762555432"},
      {"ATN(1)", false, "0.7853981634"},
      {"ATN(1)", true, "45"},
      {"EXP(232)", false, "5.705842789E+100"},
      {"EXP(233)", false, "error"},
      {"EXP(-231)", false, "error"},
      {"EXP(-1000)", false, "0"},
      {"EXP(1000)", false, "error"},
      {"EXP(1)", false, "2.718281828"},
      {"LN(0)", false, "error"},
      {"LN0", false, "error"},
      {"SIN2E1", false, "0.9129452507"},
      {"LN(-1)", false, "error"},
      {"LOG(100)", false, "2"},
      {"LOG(0)", false, "error"},
      {"SQR(-1)", false, "error"},
      {"SQR(2)", false, "1.414213562"},
      {"SQR(-0)", false, "0"},
      {"SIN(-180)", true, "0"},
      {"SINCOS(0)", false, "0.8414709848"},
      {"SIN-30", true, "-.5"},
      {"SQRSQRSQR256", false, "2"},
      {"2*SIN(1)^2+COS(1)^2*2", false, "2"},
      {"ASN(0.5)+LOG(100)", true, "32"},
      {"PI", false, "3.141592654"},
      {"SINPI", false, "0"},
      {"EXP1", false, "2.718281828"},
      {"-EXP(0)", false, "-1"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Eval(row.input, row.deg), row.result) << row.input;
}

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

TEST(Powers, RangeCheckAgreesWithTheProductLoop) {
  std::mt19937_64 random(2026);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int failures = 0;
  int checked = 0;
  for (int i = 0; i < 3000; ++i) {
    double base = 0;
    double exponent = 0;
    switch (i % 4) {
      case 0:  // any base, small exponents
        base = (unit(random) - 0.5) * 40;
        exponent = unit(random) * 400;
        break;
      case 1:  // powers of ten around the range's ends
        base = std::pow(10.0, std::floor(unit(random) * 9) - 4);
        exponent = std::floor(unit(random) * 120);
        break;
      case 2: {  // bases near 1 whose products leave the range after many steps
        const double steps = 1000 + unit(random) * 60000;
        base = std::pow(10.0, (unit(random) < 0.5 ? 101.0 : -101.0) / steps);
        exponent = std::floor(steps) + std::floor(unit(random) * 5) - 2;
        break;
      }
      default:  // 0, 1, -1 and bases that barely move the product
        base = std::vector<double>{0, 1, -1, 1 + 1e-15, 1 - 1e-15, -0.5}[i % 6];
        exponent = 1 + unit(random) * 70000;
        break;
    }
    const bool loop = ProductLoop(base, exponent);
    EXPECT_EQ(PowerRangeCheckPasses(base, exponent), loop)
        << "base " << Scientific(base, 16) << " exponent " << exponent;
    failures += loop ? 0 : 1;
    ++checked;
  }
  // Both outcomes must be well represented for the comparison to mean much.
  EXPECT_GT(failures, checked / 10);
  EXPECT_LT(failures, checked * 9 / 10);
}

TEST(Powers, RangeCheckOfHugeExponentsEndsAtOnce) {
  EXPECT_TRUE(PowerRangeCheckPasses(1, 1e300));
  EXPECT_TRUE(PowerRangeCheckPasses(-1, 1e300));
  EXPECT_TRUE(PowerRangeCheckPasses(0, 1e300));
  EXPECT_FALSE(PowerRangeCheckPasses(1.0000001, 1e12));
  EXPECT_FALSE(PowerRangeCheckPasses(0.9999999, 1e12));
  EXPECT_FALSE(PowerRangeCheckPasses(1 + 1e-15, 1e300));
  EXPECT_TRUE(PowerRangeCheckPasses(10, 101));
  EXPECT_FALSE(PowerRangeCheckPasses(10, 102));
}

}  // namespace
}  // namespace zorvane
