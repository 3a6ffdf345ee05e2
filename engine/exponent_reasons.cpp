#include "engine/exponent_reasons.h"

#include <cmath>

#include "engine/number_text.h"
#include "engine/reasons.h"
#include "engine/reduction.h"
#include "engine/scan.h"
#include "engine/working_state.h"

namespace zorvane {
namespace {

constexpr std::string_view kPowerOfTen = "*10^";

std::string NotWhole(const TypedExponentNumber& number, std::string_view after,
                     const TypedPositions& positions) {
  return "the exponent mark \"E\" needs a whole number after it: " + number.Written() +
         std::string(after) + " (" + PlaceIn(positions.typed, number.typedMark) + ")";
}

}  // namespace

std::string TypedExponentNumber::Written() const {
  return mantissa + kTypedExponentMark + exponent;
}

std::vector<TypedExponentNumber> FindTypedExponentNumbers(std::string_view text,
                                                          const TypedPositions& positions) {
  std::vector<TypedExponentNumber> numbers;
  const auto& of = positions.of;
  for (std::size_t star = text.find(kPowerOfTen); star != std::string_view::npos;
       star = text.find(kPowerOfTen, star + 1)) {
    const std::size_t mark = positions.TypedIndex(star);
    if (star + 4 > of.size() || of[star + 3] != of[star] || of[star] == 0 ||
        mark >= positions.typed.size() || positions.typed[mark] != kTypedExponentMark) {
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
    number.typedStart = positions.TypedIndex(number.open);
    number.typedMark = mark;
    numbers.push_back(std::move(number));
  }
  return numbers;
}

std::string ExponentSyntaxReason(const SyntaxFault& fault, std::string_view text,
                                 const std::vector<TypedExponentNumber>& numbers,
                                 const TypedPositions& positions) {
  for (const TypedExponentNumber& n : numbers) {
    // Nothing whole after the mark: "1E", "1E+", "1E(2)".
    if (fault.at == n.close) return NotWhole(n, "", positions);
    // A fraction after the exponent: "1E1.5", "1E2.".
    if (fault.at == n.close + 1 && At(text, static_cast<std::ptrdiff_t>(fault.at)) == '.') {
      const std::size_t end = NumberCharsEnd(text, fault.at);
      return NotWhole(n, text.substr(fault.at, end - fault.at), positions);
    }
    if (fault.follows == n.close) {
      return Quote(fault.token) + " cannot follow " + Quote(n.Written()) + " (" +
             positions.At(fault.at) + ")";
    }
    if (fault.at == n.open && fault.follows != std::string::npos) {
      return Quote(n.Written()) + " cannot follow " + Quote(fault.previous) + " (" +
             positions.At(fault.at) + ")";
    }
  }
  return {};
}

std::string OwnFailure(const TypedExponentNumber& number, bool deg) {
  std::string reason;
  const TraceSink sink = [&reason](std::string_view stage, std::string_view text) {
    if (stage == "error") reason = text;
  };
  WorkingState state("(" + number.mantissa + std::string(kPowerOfTen) + number.exponent + ")", deg,
                     &sink);
  ReduceToNumber(state);
  return reason;
}

std::string OutOfRangeReason(const TypedExponentNumber& number, const TypedPositions& positions) {
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
  return number.Written() + why + " (" + PlaceIn(positions.typed, number.typedStart) + ")";
}

}  // namespace zorvane
