#include "engine/math/trigonometry.h"

#include <cmath>
#include <limits>

namespace zorvane {
namespace {

// A value as the unevaluated sum hi + lo, with |lo| at most half an ulp of hi:
// about 106 bits. The operations are Dekker's and Knuth's exact ones; they need
// plain IEEE double arithmetic (SSE2, no fused multiply-add contraction).
struct DoubleDouble {
  double hi = 0;
  double lo = 0;
};

DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// Needs |a| >= |b| or a == 0.
DoubleDouble FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a as two halves of 26 bits each (Veltkamp), so that their products are exact.
DoubleDouble Split(double a) {
  const double t = 134217729.0 * a;  // 2^27 + 1
  const double hi = t - (t - a);
  return {hi, a - hi};
}

DoubleDouble TwoProduct(double a, double b) {
  const double p = a * b;
  const DoubleDouble x = Split(a);
  const DoubleDouble y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

DoubleDouble operator-(DoubleDouble x) {
  return {-x.hi, -x.lo};
}

DoubleDouble operator+(DoubleDouble x, DoubleDouble y) {
  DoubleDouble s = TwoSum(x.hi, y.hi);
  const DoubleDouble t = TwoSum(x.lo, y.lo);
  s.lo += t.hi;
  s = FastTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return FastTwoSum(s.hi, s.lo);
}

DoubleDouble operator*(DoubleDouble x, DoubleDouble y) {
  DoubleDouble p = TwoProduct(x.hi, y.hi);
  p.lo += x.hi * y.lo + x.lo * y.hi;
  return FastTwoSum(p.hi, p.lo);
}

// Three quotient digits, each from the remainder of the ones before.
DoubleDouble operator/(DoubleDouble x, DoubleDouble y) {
  const double q1 = x.hi / y.hi;
  DoubleDouble r = x + -(DoubleDouble{q1} * y);
  const double q2 = r.hi / y.hi;
  r = r + -(DoubleDouble{q2} * y);
  const double q3 = r.hi / y.hi;
  return FastTwoSum(q1, q2) + DoubleDouble{q3};
}

// pi/2 = kHalfPi1 + kHalfPi2 + kHalfPi3 to about 150 bits. The first two carry
// 33 bits each, so their products with a multiple k below 2^20 are exact.
constexpr double kHalfPi1 = 0x1.921fb54400000p+0;
constexpr double kHalfPi2 = 0x1.0b4611a600000p-34;
constexpr double kHalfPi3 = 0x1.3198a2e037073p-69;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kLargestAngle = 0x1p19;

// x = k * pi/2 + r with |r| about pi/4 at most; the quadrant is k mod 4.
struct Reduced {
  DoubleDouble r;
  int quadrant = 0;
};

Reduced Reduce(double x) {
  const double k = std::floor(x * kTwoOverPi + 0.5);
  // Exact: k * kHalfPi1 is, and x lies within a factor 2 of it (Sterbenz).
  const double r1 = x - k * kHalfPi1;
  const DoubleDouble r = TwoSum(r1, -k * kHalfPi2) + -TwoProduct(k, kHalfPi3);
  const long long quadrant = static_cast<long long>(k) % 4;
  return {r, static_cast<int>(quadrant < 0 ? quadrant + 4 : quadrant)};
}

// The Taylor series of sine or cosine for |r| <= pi/4 + a little: each term
// is the one before times -r^2 / (n (n + 1)); the sum ends when a term no
// longer counts at 2^-110 of the first.
DoubleDouble Series(DoubleDouble r, bool sine) {
  const DoubleDouble r2 = r * r;
  DoubleDouble term = sine ? r : DoubleDouble{1};
  DoubleDouble sum = term;
  const double smallest = std::fabs(term.hi) * 0x1p-110;
  for (int n = sine ? 2 : 1; n < 60; n += 2) {
    term = (term * r2) / DoubleDouble{-static_cast<double>(n) * (n + 1)};
    sum = sum + term;
    if (std::fabs(term.hi) < smallest) break;
  }
  return sum;
}

// Sine and cosine of a reducible x in double-double.
struct SineCosine {
  DoubleDouble sine;
  DoubleDouble cosine;
};

SineCosine SinCos(double x) {
  const Reduced d = Reduce(x);
  const DoubleDouble s = Series(d.r, true);
  const DoubleDouble c = Series(d.r, false);
  switch (d.quadrant) {
    case 0:
      return {s, c};
    case 1:
      return {c, -s};
    case 2:
      return {-s, -c};
    default:
      return {-c, s};
  }
}

constexpr long double kHalfPi = 1.570796326794896619231321691639751442L;

// For 0.5 <= y <= 1: acos(y) = 2 asin(sqrt((1 - y) / 2)), where 1 - y is exact;
// 1 - y^2, which acos and asin take the root of, has lost most of its bits there.
long double ArcCosineNearOne(double y) {
  return 2 * std::asin(std::sqrt(static_cast<long double>(1 - y) / 2));
}

bool Reducible(double x) {
  return std::fabs(x) <= kLargestAngle;  // false for NaN too
}

// Beyond kLargestAngle: the C library's long double functions, rounded.
template <class Function>
double Unreduced(Function function, double x) {
  return static_cast<double>(function(static_cast<long double>(x)));
}

}  // namespace

double CorrectSin(double x) {
  if (!Reducible(x)) return Unreduced([](long double a) { return std::sin(a); }, x);
  if (x == 0) return x;  // keeps the sign of -0
  return SinCos(x).sine.hi;
}

double CorrectCos(double x) {
  if (!Reducible(x)) return Unreduced([](long double a) { return std::cos(a); }, x);
  return SinCos(x).cosine.hi;
}

double CorrectTan(double x) {
  if (!Reducible(x)) return Unreduced([](long double a) { return std::tan(a); }, x);
  if (x == 0) return x;
  const SineCosine v = SinCos(x);
  return (v.sine / v.cosine).hi;
}

// The inverse functions take a first value from the long double functions,
// good to about 64 bits, and make one step of Newton's method in double-double
// arithmetic from it: y0 + step, rounded once.

double CorrectAsin(double x) {
  if (!(std::fabs(x) <= 1)) return std::numeric_limits<double>::quiet_NaN();
  if (x == 0) return x;
  const long double first = std::fabs(x) <= 0.5
                                ? std::asin(static_cast<long double>(x))
                                : std::copysign(kHalfPi - ArcCosineNearOne(std::fabs(x)), x);
  const double y0 = static_cast<double>(first);
  const SineCosine v = SinCos(y0);  // sin y - x = 0
  return (DoubleDouble{y0} + (DoubleDouble{x} + -v.sine) / v.cosine).hi;
}

double CorrectAcos(double x) {
  if (!(std::fabs(x) <= 1)) return std::numeric_limits<double>::quiet_NaN();
  if (x == 1) return 0;
  const long double first = std::fabs(x) <= 0.5 ? std::acos(static_cast<long double>(x))
                            : x > 0             ? ArcCosineNearOne(x)
                                                : 2 * kHalfPi - ArcCosineNearOne(-x);
  const double y0 = static_cast<double>(first);
  const SineCosine v = SinCos(y0);  // cos y - x = 0
  return (DoubleDouble{y0} + (v.cosine + -DoubleDouble{x}) / v.sine).hi;
}

double CorrectAtan(double x) {
  const double y0 = static_cast<double>(std::atan(static_cast<long double>(x)));
  // Beyond 2^60 the arctangent is pi/2 - 1/x, whose second part is far below
  // an ulp; at 0 it keeps the sign.
  if (!(std::fabs(x) < 0x1p60) || x == 0) return y0;
  const SineCosine v = SinCos(y0);  // x cos y - sin y = 0
  const DoubleDouble value = DoubleDouble{x} * v.cosine + -v.sine;
  const DoubleDouble slope = DoubleDouble{x} * v.sine + v.cosine;
  return (DoubleDouble{y0} + value / slope).hi;
}

}  // namespace zorvane
