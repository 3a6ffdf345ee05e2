// The engine's mathematical functions in a Windows build (mingw-w64, linked
// statically). mingw-w64 takes tan, asin, acos, atan and log10 from msvcrt.dll,
// whose results belong to whatever Windows (or Wine) the program runs on, and
// its own pow works integer exponents out by repeated multiplication, many
// ulps off on x86_64. So every function here is code in the program, chosen to
// give the answers of the Linux build:
// - sine, cosine, tangent and their inverses: rounded correctly in
//   double-double arithmetic (trigonometry.cpp), where mingw-w64's fsin,
//   fptan and fpatan lose bits, and glibc's are off by one ulp now and then;
// - power: mingw-w64's long double pow (the x87 unit's fyl2x and f2xm1;
//   mingw-w64's start-up sets it to 64-bit precision), rounded once;
// - decimal logarithm: from the natural one, in the way glibc does it;
// - exponential, natural logarithm, square root: mingw-w64's (libmingwex).
#include <cmath>

#include "engine/math/math_functions.h"
#include "engine/math/trigonometry.h"

namespace zorvane::math {
namespace {

// log10(2) = kLog10Of2High + kLog10Of2Low, the high part with its last 13 bits
// zero so that a product with an exponent is exact; 1/ln(10) rounded.
constexpr double kLog10Of2High = 0x1.34413509f6000p-2;
constexpr double kLog10Of2Low = 0x1.9fef311f12b36p-42;
constexpr double kOneOverLn10 = 0x1.bcb7b1526e50ep-2;

}  // namespace

double Sin(double x) {
  return CorrectSin(x);
}
double Cos(double x) {
  return CorrectCos(x);
}
double Tan(double x) {
  return CorrectTan(x);
}
double Asin(double x) {
  return CorrectAsin(x);
}
double Acos(double x) {
  return CorrectAcos(x);
}
double Atan(double x) {
  return CorrectAtan(x);
}
double Exp(double x) {
  return std::exp(x);
}
double Log(double x) {
  return std::log(x);
}
// x = m * 2^e, m in [1, 2) (in [0.5, 1) when e < 0):
// log10(x) = e * log10(2) + log(m) / ln(10).
double Log10(double x) {
  if (!(x > 0) || std::isinf(x)) return std::log(x) * kOneOverLn10;  // NaN, -inf, inf
  int exponent = 0;
  const double half = std::frexp(x, &exponent);  // x = half * 2^exponent, half in [0.5, 1)
  const bool below1 = exponent - 1 < 0;
  const double e = below1 ? exponent : exponent - 1;
  const double m = below1 ? half : half * 2;
  return (e * kLog10Of2Low + kOneOverLn10 * std::log(m)) + e * kLog10Of2High;
}
double Sqrt(double x) {
  return std::sqrt(x);
}
double Pow(double base, double exponent) {
  return static_cast<double>(
      std::pow(static_cast<long double>(base), static_cast<long double>(exponent)));
}

}  // namespace zorvane::math
