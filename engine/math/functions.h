#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// A function value as the function first prints it, in its own format (SIN
// keeps fourteen decimals: "0.50000000000000"), before it is read back and
// printed again as a number text.
using FirstPrint = std::string;

// The arguments for which a function has a value, before it is computed.
enum class Domain {
  Angle,        // an angle of at most 26 radians either way
  UnitRange,    // -1 to 1
  AnyNumber,    // every number
  Positive,     // above 0
  NotNegative,  // 0 or above
};

// One function of the expression language: the name typed, the code that
// stands for it in the working text, its domain, and its value at x in its
// first print. `evaluate` is called only within the domain; it gives none where
// the function still has no value (a pole of TAN, an EXP too large to hold).
// `angleFactor` is pi/180 with DEG checked and 1 without.
struct Function {
  std::string_view name;
  std::string_view code;
  Domain domain;
  std::optional<FirstPrint> (*evaluate)(double x, double angleFactor);
  bool neverZero = false;  // no argument gives 0 (EXP)
};

// Every code is "F[", two digits and "]".
inline constexpr std::size_t kCodeLength = 5;

// The ten functions, in the order of their codes "F[11]" to "F[20]".
std::span<const Function> Functions();

// The functions whose names hold the exponent mark "E" (EXP): their names are
// coded before the exponent notation is read, so that it never takes their
// "E" for its mark. The syntax check codes the others, in this order.
std::span<const Function* const> FunctionsCodedFirst();
std::span<const Function* const> FunctionsCodedBySyntax();

// The function whose code is `code` ("F[11]"), or none.
const Function* FunctionWithCode(std::string_view code);

// The factor that turns the angles of the angle unit into radians.
double AngleFactor(bool deg);

// True when x lies in the domain.
bool InDomain(Domain domain, double x, double angleFactor);

// Why `f` has no value at x, in plain words: x lies outside its domain, or
// `evaluate` gave none there. `degreesOption` names how degrees are turned on.
std::string WhyNoValue(const Function& f, double x, bool deg, std::string_view degreesOption);

}  // namespace zorvane
