#include "engine/function_pass.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "engine/scan.h"

namespace zorvane {
namespace {

constexpr double kDegree = 0.017453292519943295;  // pi/180
constexpr double kMaxAngle = 26.0;                // radians
constexpr double kPi = 3.141592653589793;
constexpr double kTanReductionBound = 2.827433388230814;  // 0.9 pi
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPoleDistance = 1e-14;
constexpr std::size_t kCodeLength = 5;  // "F[11]"

std::optional<std::string> Tangent(double x, double factor) {
  const double a = x * factor;
  if (std::fabs(a) > kMaxAngle) return std::nullopt;
  double u = std::fabs(a);
  if (u >= kTanReductionBound) {
    // |a| <= 26, so this takes at most nine steps.
    do {
      u = u >= 0 ? u - kPi : u + kPi;
    } while (std::fabs(u) >= kTanReductionBound);
    u = std::fabs(u);
  }
  if (std::fabs(u - kHalfPi) < kPoleDistance) return std::nullopt;
  const double value = std::tan(a);
  return u <= kQuarterPi ? Fixed(value, 13) : Scientific(value, 14);
}

}  // namespace

std::optional<std::string> FunctionFirstPrint(int code, double x, bool deg) {
  const double factor = deg ? kDegree : 1.0;
  switch (code) {
    case 11:
    case 12: {
      const double a = x * factor;
      if (std::fabs(a) > kMaxAngle) return std::nullopt;
      return Fixed(code == 11 ? std::sin(a) : std::cos(a), 14);
    }
    case 13:
      return Tangent(x, factor);
    case 14:
    case 15:
      if (x > 1 || x < -1) return std::nullopt;
      return Scientific((code == 14 ? std::asin(x) : std::acos(x)) / factor, 15);
    case 16:
      return Scientific(std::atan(x) / factor, 15);
    case 17: {
      // e^x overflows for large x; such a value cannot be printed as a number.
      const double value = std::exp(x);
      if (!std::isfinite(value)) return std::nullopt;
      return Scientific(value, 15);
    }
    case 18:
    case 19:
      if (x <= 0) return std::nullopt;
      return Scientific(code == 18 ? std::log(x) : std::log10(x), 15);
    case 20:
      if (x < 0) return std::nullopt;
      return Scientific(std::sqrt(x), 15);
    default:
      return std::nullopt;
  }
}

PassStep ApplyFirstFunction(WorkingState& state) {
  const std::string& text = state.Text();
  if (!state.MayContain('F')) return PassStep::Nothing;
  // Codes before PendingCodesEnd() were found waiting and nothing near them
  // has changed since; the search from the left may skip them.
  std::size_t at = text.find('F', std::max<std::size_t>(1, state.PendingCodesEnd()));
  while (at != std::string::npos) {
    const std::size_t argument = at + kCodeLength;
    if (!OperandPending(text, argument)) break;
    at = text.find('F', argument);
  }
  state.SetPendingCodesEnd(at == std::string::npos ? text.size() : at);
  if (at == std::string::npos) return PassStep::Nothing;

  const char tens = At(text, static_cast<std::ptrdiff_t>(at) + 2);
  const char ones = At(text, static_cast<std::ptrdiff_t>(at) + 3);
  if (!IsDigit(tens) || !IsDigit(ones)) return PassStep::Failed;
  const int code = (tens - '0') * 10 + (ones - '0');

  const std::size_t argument = std::min(at + kCodeLength, text.size());
  const std::size_t argumentEnd = NumberOperandEnd(text, argument);
  const double x = ReadNumber(std::string_view(text).substr(argument, argumentEnd - argument));

  const std::optional<std::string> firstPrint = FunctionFirstPrint(code, x, state.Deg());
  if (!firstPrint) return PassStep::Failed;
  const double value = ReadNumber(*firstPrint);
  if (!std::isfinite(value)) return PassStep::Failed;
  std::string numberText = NumberText(value);
  if (!ExponentInRange(numberText)) return PassStep::Failed;
  state.SetLastNumberText(std::move(numberText));
  state.Replace(at, argumentEnd - at, "+(" + state.LastNumberText() + ")", "function");
  // A value that was itself the argument of a code becomes a bracketed
  // argument: the "+" after the code goes.
  if (state.DropPlusAfterCodes()) state.Report("signs");
  state.CollapseSigns();
  return PassStep::Rewrote;
}

}  // namespace zorvane
