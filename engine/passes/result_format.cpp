#include "engine/passes/result_format.h"

#include <algorithm>
#include <cstdlib>

#include "engine/text/number_text.h"
#include "engine/text/text_ops.h"

namespace zorvane {
namespace {

// Removes the zeros that end the mantissa, and its point when nothing is left
// after it: 1.234500000e+003 becomes 1.2345e+003, 1.000000000e+003 1e+003.
std::string TrimMantissa(const std::string& scientific) {
  const std::size_t e = scientific.find(kExponentMark);
  std::size_t end = e;
  while (end > 0 && scientific[end - 1] == '0')
    --end;
  if (end > 0 && scientific[end - 1] == '.') --end;
  return scientific.substr(0, end) + scientific.substr(e);
}

// Ten significant digits in fixed form, trailing zeros removed.
std::string FixedForm(double value) {
  const std::string ten = Fixed(value, 10);
  int k = static_cast<int>(ten.find('.'));
  if (ten.starts_with('-')) --k;
  if (ten.starts_with('0')) --k;
  if (ten.starts_with("-0")) --k;
  std::string text = Fixed(value, 10 - k);
  if (Contains(text, ".")) {
    while (text.ends_with('0'))
      text.pop_back();
    if (text.ends_with('.')) text.pop_back();
  }
  return text;
}

bool UsesExponentForm(const std::string& trimmed, int exponent) {
  if (exponent >= 10 || exponent <= -11) return true;
  if (exponent >= 0) return false;
  const std::size_t e = trimmed.find(kExponentMark);
  if (!Contains(std::string_view(trimmed).substr(0, e), ".")) return false;
  const int p = static_cast<int>(e) - (trimmed.starts_with('-') ? 1 : 0);
  return p - exponent >= 13;
}

}  // namespace

std::optional<std::string> FormatResult(std::string_view finalNumberText,
                                        std::string_view lastNumberText, bool fixE) {
  if (!lastNumberText.empty() && std::abs(ExponentOfText(lastNumberText)) > 100) {
    return std::nullopt;
  }
  double value = ReadNumber(finalNumberText);
  // A zero is shown without a sign: a lone "-" is no result.
  if (value == 0) value = 0;
  std::string text = TrimMantissa(Scientific(value, 9));
  if (!fixE) {
    const int exponent = ExponentOfText(text);
    if (exponent == 0) {
      text.resize(text.size() - 5);
    } else if (!UsesExponentForm(text, exponent)) {
      text = FixedForm(value);
    }
  }
  std::replace(text.begin(), text.end(), kExponentMark, kTypedExponentMark);
  text = ReplaceAll(text, "+0", "+");
  return ReplaceAll(text, "-0", "-");
}

}  // namespace zorvane
