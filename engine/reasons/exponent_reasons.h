#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "engine/passes/working_state.h"
#include "engine/reasons/typed_text.h"

namespace zorvane {

// A number typed with the exponent mark, as the exponent notation rewrote it
// in the working text: "(" mantissa "*10^" exponent ")". The reasons speak of
// it as typed, not of its rewriting.
struct TypedExponentNumber {
  std::size_t open = 0;   // working-text index of the "(" put in
  std::size_t close = 0;  // working-text index of the ")" put in
  std::string mantissa;
  std::string exponent;
  std::size_t typedStart = 0;  // evaluated index of its first character
  std::size_t typedMark = 0;   // evaluated index of its "E"

  // As a person writes it: "1.5E-3".
  std::string Written() const;
};

// The exponent numbers of a working text between the exponent notation and the
// substitution of the function codes. They are told from a typed "*10^" by
// their positions: the four characters put in all stand for one typed "E".
std::vector<TypedExponentNumber> FindTypedExponentNumbers(std::string_view text,
                                                          const TypedText& typed);

// The exponent mark needs a whole number after it: "1E" or, with `after`
// ".5", "1E1.5".
Failure NotWholeFailure(const TypedExponentNumber& number, std::string_view after,
                        const TypedText& typed);

// True when `fault` is the number's own: the power of ten or the product that
// the number was rewritten into failed, so that it has no value on its own.
bool OwnFailure(const TypedExponentNumber& number, const ReductionFault& fault);

// Why the number has no value, as typed: "1E101 is outside ±1E+100 (...)".
Failure OutOfRangeFailure(const TypedExponentNumber& number, const TypedText& typed);

}  // namespace zorvane
