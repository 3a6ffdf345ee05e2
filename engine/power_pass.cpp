#include "engine/power_pass.h"

#include <cmath>

#include "engine/number_text.h"

namespace zorvane {
namespace {

bool IsPowerOrCode(char c) {
  return c == '^' || c == ']';
}

// The exponent is not yet a number: "F" or "(" follows the "^", or follows a
// sign that follows it.
bool ExponentPending(std::string_view text, std::size_t caret) {
  const char first = At(text, static_cast<std::ptrdiff_t>(caret) + 1);
  const char second = At(text, static_cast<std::ptrdiff_t>(caret) + 2);
  if (first == 'F' || first == '(') return true;
  return IsSign(first) && (second == 'F' || second == '(');
}

// Magnitudes printed with ten significant digits and a decimal exponent within
// -100..100; products strictly inside these bounds need no printing.
constexpr double kSafeHigh = 9.9e100;
constexpr double kSafeLow = 1.1e-100;

bool ProductInRange(double product) {
  const double magnitude = std::fabs(product);
  if (magnitude == 0.0 || (magnitude > kSafeLow && magnitude < kSafeHigh)) return true;
  return ExponentInRange(Scientific(product, 9));
}

// Steps of the running product made one by one; beyond them the outcome is
// decided from the product's magnitude, which changes monotonically.
constexpr long long kLiteralSteps = 1 << 12;

}  // namespace

BracketedBase FindBracketedBase(std::string_view text, std::size_t caret) {
  auto k = static_cast<std::ptrdiff_t>(caret) - 2;
  while (k >= 0) {
    const char c = text[static_cast<std::size_t>(k)];
    if (DigitOrPoint(c)) {
      --k;
    } else if (IsSign(c) && At(text, k - 1) == 'e') {
      k -= 2;
    } else if (IsSign(c) && At(text, k - 1) == '(') {
      const std::ptrdiff_t open = k - 1;
      if (IsPowerOrCode(At(text, open - 1))) return {};
      return {true, static_cast<std::size_t>(open), static_cast<std::size_t>(k)};
    } else if (c == '(') {
      const char before = At(text, k - 1);
      if (IsPowerOrCode(before) || (IsSign(before) && IsPowerOrCode(At(text, k - 2)))) return {};
      return {true, static_cast<std::size_t>(k), static_cast<std::size_t>(k) + 1};
    } else {
      return {};  // ")", an operator, or anything else: not a plain bracketed number
    }
  }
  return {};
}

bool PowerRangeCheckPasses(double base, double exponent) {
  if (!(exponent > 1)) return true;
  // The product is multiplied once per step while the step count, starting at
  // 1 and counted after each product, stays below the exponent.
  const long double steps = std::max(1.0L, std::ceil(static_cast<long double>(exponent)) - 1);
  double product = 1.0;
  for (long long k = 1; k <= kLiteralSteps; ++k) {
    const double previous = product;
    product *= base;
    if (!ProductInRange(product)) return false;
    if (static_cast<long double>(k) >= steps) return true;
    // A product that no longer changes in magnitude (0, 1, or stuck in its
    // rounding) stays in range for every further step.
    if (std::fabs(product) == std::fabs(previous)) return true;
  }
  // The magnitude grows (|base| > 1) or shrinks (|base| < 1) at every further
  // step, so only the last product can leave the range first.
  const long double remaining = steps - static_cast<long double>(kLiteralSteps);
  const long double lastLog = std::log10(std::fabs(static_cast<long double>(product))) +
                              remaining * std::log10(std::fabs(static_cast<long double>(base)));
  if (std::fabs(base) > 1) return lastLog < std::log10(9.9999999995e100L);
  return lastLog >= std::log10(9.9999999995e-101L);
}

PassStep ApplyFirstPower(WorkingState& state) {
  const std::string& text = state.Text();
  if (state.Count('^') == 0) return PassStep::Nothing;
  std::size_t start = 1;
  while (true) {
    const std::size_t caret = text.find('^', start);
    if (caret == std::string::npos) return PassStep::Nothing;
    start = caret + 2;
    if (ExponentPending(text, caret)) continue;
    const char last = At(text, static_cast<std::ptrdiff_t>(caret) - 1);
    if (last == ']') continue;
    if (caret < 2) return PassStep::Failed;  // "^" right after the opening bracket

    std::size_t prefixEnd = 0;  // the text before this index is kept
    std::size_t baseBegin = 0;
    if (last == ')') {
      const BracketedBase base = FindBracketedBase(text, caret);
      if (!base.ready) continue;
      // The enclosing bracket of the whole text is never part of a base.
      if (base.open == 0) return PassStep::Failed;
      prefixEnd = base.open;
      baseBegin = base.begin;
    } else {
      auto k = static_cast<std::ptrdiff_t>(caret) - 2;
      while (k >= 0) {
        const char c = text[static_cast<std::size_t>(k)];
        if (DigitOrPoint(c) || c == 'e') {
          --k;
        } else if (IsSign(c) && At(text, k - 1) == 'e') {
          k -= 2;
        } else {
          break;
        }
      }
      if (k < 0) return PassStep::Failed;
      const char stop = text[static_cast<std::size_t>(k)];
      if (IsPowerOrCode(stop) || (IsSign(stop) && IsPowerOrCode(At(text, k - 1)))) continue;
      prefixEnd = static_cast<std::size_t>(k) + 1;
      baseBegin = prefixEnd;
    }

    const std::size_t baseEnd = last == ')' ? caret - 1 : caret;
    const double base = ReadNumber(std::string_view(text).substr(baseBegin, baseEnd - baseBegin));
    const std::size_t exponentEnd = NumberOperandEnd(text, caret + 1);
    const double exponent =
        ReadNumber(std::string_view(text).substr(caret + 1, exponentEnd - (caret + 1)));

    if (!PowerRangeCheckPasses(base, exponent)) return PassStep::Failed;
    if (base == 0 && exponent <= 0) return PassStep::Failed;
    if (base <= 0 && exponent > -1 && exponent < 0) return PassStep::Failed;
    if (base < 0 && exponent > 0 && exponent < 1) return PassStep::Failed;
    const double value = std::pow(base, exponent);
    if (!std::isfinite(value)) return PassStep::Failed;

    state.SetLastNumberText(NumberText(value));
    state.Replace(prefixEnd, exponentEnd - prefixEnd, "+(" + state.LastNumberText() + ")", "power");
    state.CollapseSigns();
    return PassStep::Rewrote;
  }
}

}  // namespace zorvane
