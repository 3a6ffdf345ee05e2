#include "engine/trigonometry.h"

#include <cmath>

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
  const Reduced d = Reduce(x);
  const DoubleDouble value = Series(d.r, d.quadrant % 2 == 0);
  return d.quadrant < 2 ? value.hi : -value.hi;
}

double CorrectCos(double x) {
  if (!Reducible(x)) return Unreduced([](long double a) { return std::cos(a); }, x);
  const Reduced d = Reduce(x);
  const DoubleDouble value = Series(d.r, d.quadrant % 2 == 1);
  return d.quadrant == 1 || d.quadrant == 2 ? -value.hi : value.hi;
}

double CorrectTan(double x) {
  if (!Reducible(x)) return Unreduced([](long double a) { return std::tan(a); }, x);
  if (x == 0) return x;
  const Reduced d = Reduce(x);
  const DoubleDouble sine = Series(d.r, true);
  const DoubleDouble cosine = Series(d.r, false);
  return d.quadrant % 2 == 0 ? (sine / cosine).hi : -(cosine / sine).hi;
}

}  // namespace zorvane
