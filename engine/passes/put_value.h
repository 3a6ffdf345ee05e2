#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/passes/working_state.h"
#include "engine/reasons/reasons.h"
#include "engine/text/number_text.h"

namespace zorvane {

// Where a value that a pass computed goes into the working text.
struct ValueSite {
  std::size_t pos = 0;     // it replaces `length` characters at `pos`
  std::size_t length = 0;  //
  std::string_view stage;  // reported with the new text: "arithmetic", "power", "function"
  bool bracketed = false;  // put in as "+(" number text ")", else as "+" number text
  bool checkRange = true;  // the number text's exponent must lie within -100..100
  bool nonZero = false;    // the value computed is not 0, whatever the double holds
  bool afterCode = false;  // "]+" becomes "]" first: a value that was a code's
                           // argument becomes a bracketed argument
};

// Puts in the number text that the checks passed, remembers it as the last one
// and collapses the signs around it.
PassStep PutNumberText(WorkingState& state, std::string numberText, const ValueSite& site);

// Puts a computed value into the working text: it must be a finite number,
// not 0 where its true value is not (a double too small to hold it has become
// 0), and, when the site asks, lie within the range once printed as a number
// text.
// `written()` gives the computation as a reader would write it ("1/0",
// "EXP(233)"), for the reason of a failure.
template <class Written>
PassStep PutValue(WorkingState& state, double value, const ValueSite& site, Written&& written) {
  if (!std::isfinite(value)) {
    return state.Fail(written() +
                      (std::isnan(value) ? " has no real value" : " is too large to hold"));
  }
  if (value == 0 && site.nonZero) {
    return state.Fail(written() + " is too small to hold: closer to 0 than 1E-100");
  }
  std::string numberText = NumberText(value);
  if (site.checkRange && !ExponentInRange(numberText)) {
    return state.Fail(written() + " gives " + Shown(value) + ", " + WhereOutOfRange(numberText));
  }
  return PutNumberText(state, std::move(numberText), site);
}

}  // namespace zorvane
