#include "engine/math/functions.h"

#include <array>
#include <cmath>

#include "engine/math/math_functions.h"
#include "engine/reasons/reasons.h"
#include "engine/text/number_text.h"
#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

constexpr double kDegree = 0.017453292519943295;  // pi/180
constexpr double kMaxAngle = 26.0;                // radians
constexpr double kPi = 3.141592653589793;
constexpr double kTanReductionBound = 2.827433388230814;  // 0.9 pi
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPoleDistance = 1e-14;

std::optional<FirstPrint> Sine(double x, double factor) {
  return Fixed(math::Sin(x * factor), 14);
}

std::optional<FirstPrint> Cosine(double x, double factor) {
  return Fixed(math::Cos(x * factor), 14);
}

// The angle is brought into -0.9 pi .. 0.9 pi by steps of pi to tell a pole
// and to choose the print; the value is the tangent of the angle itself.
std::optional<FirstPrint> Tangent(double x, double factor) {
  const double a = x * factor;
  // Steps of pi down from the angle's size; a step that goes below 0 leaves
  // less than 0.1 pi, which ends the steps. |a| <= 26: at most nine steps.
  double u = std::fabs(a);
  while (u >= kTanReductionBound)
    u -= kPi;
  u = std::fabs(u);
  if (std::fabs(u - kHalfPi) < kPoleDistance) return std::nullopt;
  const double value = math::Tan(a);
  return u <= kQuarterPi ? Fixed(value, 13) : Scientific(value, 14);
}

std::optional<FirstPrint> ArcSine(double x, double factor) {
  return Scientific(math::Asin(x) / factor, 15);
}

std::optional<FirstPrint> ArcCosine(double x, double factor) {
  return Scientific(math::Acos(x) / factor, 15);
}

std::optional<FirstPrint> ArcTangent(double x, double factor) {
  return Scientific(math::Atan(x) / factor, 15);
}

std::optional<FirstPrint> Exponential(double x, double) {
  // e^x overflows for large x; such a value cannot be printed as a number.
  const double value = math::Exp(x);
  if (!std::isfinite(value)) return std::nullopt;
  return Scientific(value, 15);
}

std::optional<FirstPrint> NaturalLog(double x, double) {
  return Scientific(math::Log(x), 15);
}

std::optional<FirstPrint> DecimalLog(double x, double) {
  return Scientific(math::Log10(x), 15);
}

std::optional<FirstPrint> SquareRoot(double x, double) {
  return Scientific(math::Sqrt(x), 15);
}

constexpr std::array<Function, 10> kFunctions{{
    {"SIN", "F[11]", Domain::Angle, Sine},
    {"COS", "F[12]", Domain::Angle, Cosine},
    {"TAN", "F[13]", Domain::Angle, Tangent},
    {"ASN", "F[14]", Domain::UnitRange, ArcSine},
    {"ACS", "F[15]", Domain::UnitRange, ArcCosine},
    {"ATN", "F[16]", Domain::AnyNumber, ArcTangent},
    {"EXP", "F[17]", Domain::AnyNumber, Exponential, true},
    {"LN", "F[18]", Domain::Positive, NaturalLog},
    {"LOG", "F[19]", Domain::Positive, DecimalLog},
    {"SQR", "F[20]", Domain::NotNegative, SquareRoot},
}};

constexpr bool CodesHaveOneLength() {
  for (const Function& f : kFunctions) {
    if (f.code.size() != kCodeLength) return false;
  }
  return true;
}
static_assert(CodesHaveOneLength());

constexpr bool HoldsExponentMark(const Function& f) {
  return f.name.find(kTypedExponentMark) != std::string_view::npos;
}

constexpr std::size_t CountCodedFirst() {
  std::size_t count = 0;
  for (const Function& f : kFunctions)
    count += HoldsExponentMark(f) ? 1 : 0;
  return count;
}

// The table split in two, in table order: names holding "E", then the others.
template <bool kFirst>
constexpr auto Split() {
  std::array<const Function*, kFirst ? CountCodedFirst() : kFunctions.size() - CountCodedFirst()>
      part{};
  std::size_t n = 0;
  for (const Function& f : kFunctions) {
    if (HoldsExponentMark(f) == kFirst) part[n++] = &f;
  }
  return part;
}
constexpr auto kCodedFirst = Split<true>();
constexpr auto kCodedBySyntax = Split<false>();

}  // namespace

std::span<const Function> Functions() {
  return kFunctions;
}

std::span<const Function* const> FunctionsCodedFirst() {
  return kCodedFirst;
}

std::span<const Function* const> FunctionsCodedBySyntax() {
  return kCodedBySyntax;
}

const Function* FunctionWithCode(std::string_view code) {
  // The codes are numbered from 11 in table order; the number finds the entry
  // and the whole code must match it.
  if (code.size() != kCodeLength || !IsDigit(code[2]) || !IsDigit(code[3])) return nullptr;
  const int index = (code[2] - '0') * 10 + (code[3] - '0') - 11;
  if (index < 0 || index >= static_cast<int>(kFunctions.size())) return nullptr;
  const Function& f = kFunctions[static_cast<std::size_t>(index)];
  return f.code == code ? &f : nullptr;
}

double AngleFactor(bool deg) {
  return deg ? kDegree : 1.0;
}

bool InDomain(Domain domain, double x, double angleFactor) {
  switch (domain) {
    case Domain::Angle:
      return !(std::fabs(x * angleFactor) > kMaxAngle);
    case Domain::UnitRange:
      return !(x > 1 || x < -1);
    case Domain::AnyNumber:
      return true;
    case Domain::Positive:
      return !(x <= 0);
    case Domain::NotNegative:
      return !(x < 0);
  }
  return false;
}

std::string WhyNoValue(const Function& f, double x, bool deg, std::string_view degreesOption) {
  const std::string name(f.name);
  const std::string got = ", got " + ShownExactly(x);
  const std::string unit = deg ? " degrees" : " radians";
  const double factor = AngleFactor(deg);
  if (!InDomain(f.domain, x, factor)) {
    switch (f.domain) {
      case Domain::Angle:
        return name + " takes angles up to " + Shown(kMaxAngle / factor) + unit +
               (deg ? " (26 radians)" + got
                    : got + ". For degrees, use " + std::string(degreesOption) + ".");
      case Domain::UnitRange:
        return name + " needs an argument from -1 to 1" + got;
      case Domain::Positive:
        return name + " needs a positive argument" + got;
      case Domain::NotNegative:
        return name + " needs an argument of 0 or more" + got;
      case Domain::AnyNumber:
        break;
    }
  }
  // Within the domain only a pole of an angle function or a value too large to
  // hold leaves a function without a value.
  if (f.domain == Domain::Angle) return name + " is undefined at " + Shown(x) + unit;
  return name + "(" + ShownExactly(x) + ") is too large to hold";
}

}  // namespace zorvane
