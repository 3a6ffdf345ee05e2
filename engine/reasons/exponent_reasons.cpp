#include "engine/reasons/exponent_reasons.h"

#include <cmath>

#include "engine/math/math_functions.h"
#include "engine/reasons/reasons.h"
#include "engine/text/number_text.h"
#include "engine/text/scan.h"

namespace zorvane {
namespace {

constexpr std::string_view kPowerOfTen = "*10^";

}  // namespace

std::string TypedExponentNumber::Written() const {
  return mantissa + kTypedExponentMark + exponent;
}

std::vector<TypedExponentNumber> FindTypedExponentNumbers(std::string_view text,
                                                          const TypedText& typed) {
  std::vector<TypedExponentNumber> numbers;
  // Only a rewrite of exponent marks puts "*10^" in, and a rewrite writes
  // the positions out.
  if (typed.WrittenPositions() == nullptr) return numbers;
  const auto& of = *typed.WrittenPositions();
  const std::string_view evaluated = typed.Evaluated();
  for (std::size_t star = text.find(kPowerOfTen); star != std::string_view::npos;
       star = text.find(kPowerOfTen, star + 1)) {
    const std::size_t mark = typed.TypedIndex(star);
    if (star + 4 > of.size() || of[star + 3] != of[star] || of[star] == 0 ||
        mark >= evaluated.size() || evaluated[mark] != kTypedExponentMark) {
      continue;
    }
    TypedExponentNumber number;
    const std::size_t begin = NumberCharsBegin(text, star);
    std::size_t end = star + kPowerOfTen.size();
    if (IsSign(At(text, static_cast<std::ptrdiff_t>(end)))) ++end;
    while (IsDigit(At(text, static_cast<std::ptrdiff_t>(end))))
      ++end;
    number.open = begin - 1;
    number.close = end;
    number.mantissa = text.substr(begin, star - begin);
    number.exponent = text.substr(star + kPowerOfTen.size(), end - star - kPowerOfTen.size());
    number.typedStart = typed.TypedIndex(number.open);
    number.typedMark = mark;
    numbers.push_back(std::move(number));
  }
  return numbers;
}

Failure NotWholeFailure(const TypedExponentNumber& number, std::string_view after,
                        const TypedText& typed) {
  return PlacedFailure("the exponent mark \"E\" needs a whole number after it: " +
                           number.Written() + std::string(after),
                       typed, number.typedMark);
}

bool OwnFailure(const TypedExponentNumber& number, const ReductionFault& fault) {
  const double exponent = ReadNumber(number.exponent);
  // The power of ten comes first; the product takes its value as a number text.
  if (fault.operation == '^') return fault.left == 10 && fault.right == exponent;
  return fault.operation == '*' && fault.left == ReadNumber(number.mantissa) &&
         fault.right == ReadNumber(NumberText(math::Pow(10, exponent)));
}

Failure OutOfRangeFailure(const TypedExponentNumber& number, const TypedText& typed) {
  const long double mantissa = ReadNumber(number.mantissa);
  const long double exponent = ReadNumber(number.exponent);
  const long double value = std::fabs(mantissa * std::pow(10.0L, exponent));
  // The power of ten is refused on its own above 10^101, whatever the mantissa.
  const bool valueInRange = value == 0 || (value >= 1e-100L && value < 1e100L);
  std::string why;
  if (exponent > 101 && valueInRange) {
    why = ": the exponent mark \"E\" takes an exponent of at most 101";
  } else {
    why = value > 1 ? " is outside ±1E+100" : " is closer to 0 than 1E-100";
  }
  return PlacedFailure(number.Written() + why, typed, number.typedStart);
}

}  // namespace zorvane
