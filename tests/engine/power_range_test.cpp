// The range check made before a power, decided in bounded time, against the
// literal loop of single products that it stands for.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/number_text.h"
#include "engine/power_pass.h"

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

TEST(Powers, RangeCheckAgreesWithTheProductLoop) {
  std::mt19937_64 random(2026);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int failures = 0;
  const int draws = 300;
  for (int i = 0; i < draws; ++i) {
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
  }
  // Both outcomes must be well represented for the comparison to mean much.
  EXPECT_GT(failures, draws / 5);
  EXPECT_LT(failures, draws * 4 / 5);
}

}  // namespace
}  // namespace zorvane
