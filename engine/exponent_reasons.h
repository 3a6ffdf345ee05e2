#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/syntax.h"
#include "engine/typed_positions.h"

namespace zorvane {

// A number typed with the exponent mark, as the exponent notation rewrote it
// in the working text: "(" mantissa "*10^" exponent ")". The reasons speak of
// it as typed, not of its rewriting.
struct TypedExponentNumber {
  std::size_t open = 0;   // working-text index of the "(" put in
  std::size_t close = 0;  // working-text index of the ")" put in
  std::string mantissa;
  std::string exponent;
  std::size_t typedStart = 0;  // typed index of its first character
  std::size_t typedMark = 0;   // typed index of its "E"

  // As a person writes it: "1.5E-3".
  std::string Written() const;
};

// The exponent numbers of a working text between the exponent notation and the
// substitution of the function codes. They are told from a typed "*10^" by
// their positions: the four characters put in all stand for one typed "E".
std::vector<TypedExponentNumber> FindTypedExponentNumbers(std::string_view text,
                                                          const TypedPositions& positions);

// The syntax check's fault in terms of the typed number when the rewriting of
// an exponent number caused it ("1E", "1E1.5", "1E2(3)"); empty otherwise.
std::string ExponentSyntaxReason(const SyntaxFault& fault, std::string_view text,
                                 const std::vector<TypedExponentNumber>& numbers,
                                 const TypedPositions& positions);

// Why the number has no value on its own: the reason its reduction reports, or
// empty when it has one.
std::string OwnFailure(const TypedExponentNumber& number, bool deg);

// Why the number has no value, as typed: "1E101 is outside ±1E+100 (...)".
std::string OutOfRangeReason(const TypedExponentNumber& number, const TypedPositions& positions);

}  // namespace zorvane
