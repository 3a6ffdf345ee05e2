#pragma once

#include <string>
#include <string_view>

namespace zorvane {

// The exponent mark of number texts, "1.500000000000000e+003", and the one
// that is typed and shown in results, "1.5E3", "1.5E+03".
inline constexpr char kExponentMark = 'e';
inline constexpr char kTypedExponentMark = 'E';

// Value in scientific form with `precision` decimals and an exponent of at
// least three digits: Scientific(1234.5, 9) is "1.234500000e+003".
std::string Scientific(double value, int precision);

// Value in fixed form with `precision` decimals: Fixed(0.5, 3) is "0.500".
std::string Fixed(double value, int precision);

// The form in which every computed value enters the working text: sixteen
// significant digits and a three-digit exponent, "1.500000000000000e+000".
inline std::string NumberText(double value) {
  return Scientific(value, 15);
}

// Reads the longest decimal number at the start of `text` (optional sign,
// digits, optional point and digits, optional exponent); 0 when there is none.
// Never reads "inf", "nan" or hexadecimal, and never looks at the locale.
double ReadNumber(std::string_view text);

// The whole number formed by the last four characters of a number text (the
// exponent's sign and three digits).
int ExponentOfText(std::string_view text);

// True when the exponent of a number text lies within -100..100.
inline bool ExponentInRange(std::string_view text) {
  const int e = ExponentOfText(text);
  return e <= 100 && e >= -100;
}

}  // namespace zorvane
