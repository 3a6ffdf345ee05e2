#include "engine/reasons.h"

#include <cmath>

#include "engine/number_text.h"
#include "engine/result_format.h"

namespace zorvane {

std::string Shown(double value) {
  if (!std::isfinite(value)) return "a value too large to hold";
  return FormatResult(NumberText(value), {}, false).value_or(NumberText(value));
}

std::string WhereOutOfRange(std::string_view numberText) {
  return ExponentOfText(numberText) > 0 ? "outside ±1E+100" : "closer to 0 than 1E-100";
}

}  // namespace zorvane
