#include "engine/passes/power_pass.h"

#include <cmath>
#include <string>

#include "engine/math/math_functions.h"
#include "engine/passes/put_value.h"
#include "engine/reasons/reasons.h"
#include "engine/text/number_text.h"
#include "engine/text/scan.h"

namespace zorvane {
namespace {

bool IsPowerOrCode(char c) {
  return c == '^' || c == ']';
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

// The range check made before a power is computed: the running product
// 1*base*base*... over the powers base^1 .. base^(n-1), n the smallest whole
// number not below the exponent, must keep a decimal exponent within
// -100..100 when printed with ten significant digits. Decided in bounded time.
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

}  // namespace

BracketedBase FindBracketedBase(std::string_view text, std::size_t caret) {
  // The walk starts inside the brackets, right before the ")" that ends the base.
  const std::size_t numberBegin = NumberCharsBegin(text, caret - 1);
  const auto before = static_cast<std::ptrdiff_t>(numberBegin) - 1;
  const char stop = At(text, before);
  if (IsSign(stop) && At(text, before - 1) == '(') {
    // A signed bracketed number: its sign belongs to the base.
    if (IsPowerOrCode(At(text, before - 2))) return {};
    return {true, numberBegin - 2, numberBegin - 1};
  }
  if (stop == '(') {
    const char outside = At(text, before - 1);
    if (IsPowerOrCode(outside) || (IsSign(outside) && IsPowerOrCode(At(text, before - 2)))) {
      return {};
    }
    return {true, numberBegin - 1, numberBegin};
  }
  return {};  // ")", an operator, or anything else: not a plain bracketed number
}

namespace {

// Where a ready power stands: the rewrite replaces [replaceBegin, exponentEnd)
// by the value; the base is [baseBegin, baseEnd), the exponent runs from the
// character after the "^".
struct PowerSite {
  std::size_t replaceBegin = 0;
  std::size_t baseBegin = 0;
  std::size_t baseEnd = 0;
  std::size_t caret = 0;
  std::size_t exponentEnd = 0;
};

// The outcome of looking at one "^": ready with its site, left for later, or
// a failed evaluation.
struct PowerLook {
  PassStep step = PassStep::Nothing;  // Rewrote stands for "ready"
  PowerSite site;
  bool unopened = false;  // when Failed: a ")" closes the brackets around the whole text,
                          // else the "^" has no base
};

constexpr PowerLook kNoBase{PassStep::Failed, {}, false};

// The base of a "^" that follows a number: the run of number characters before
// it; a sign before that run is not part of the base. The power waits when the
// base is itself the exponent of an earlier power or a function's argument.
PowerLook LookAtPlainBase(std::string_view text, std::size_t caret) {
  const std::size_t baseBegin = NumberCharsBegin(text, caret);
  if (baseBegin == 0) return kNoBase;
  const auto before = static_cast<std::ptrdiff_t>(baseBegin) - 1;
  const char stop = At(text, before);
  if (IsPowerOrCode(stop) || (IsSign(stop) && IsPowerOrCode(At(text, before - 1)))) return {};
  return {PassStep::Rewrote, {baseBegin, baseBegin, caret, caret, 0}};
}

// The base of a "^" that follows ")": a bracketed number, brackets included in
// what the value replaces.
PowerLook LookAtBracketedBase(std::string_view text, std::size_t caret) {
  const BracketedBase base = FindBracketedBase(text, caret);
  if (!base.ready) return {};
  // The enclosing bracket of the whole text is never part of a base.
  if (base.open == 0) return {PassStep::Failed, {}, true};
  return {PassStep::Rewrote, {base.open, base.begin, caret - 1, caret, 0}};
}

// The first "^" from the left whose base and exponent are both numbers.
PowerLook FindReadyPower(std::string_view text) {
  std::size_t start = 1;
  while (true) {
    const std::size_t caret = text.find('^', start);
    if (caret == std::string_view::npos) return {};
    start = caret + 2;
    if (OperandPending(text, caret + 1)) continue;
    const char last = At(text, static_cast<std::ptrdiff_t>(caret) - 1);
    if (last == ']') continue;      // the base is a function's argument
    if (caret < 2) return kNoBase;  // "^" right after the opening bracket
    PowerLook look = last == ')' ? LookAtBracketedBase(text, caret) : LookAtPlainBase(text, caret);
    if (look.step == PassStep::Nothing) continue;
    look.site.exponentEnd = NumberOperandEnd(text, caret + 1);
    return look;
  }
}

// Why a power has no value.
enum class PowerRefusal {
  None,
  OutOfRange,        // the range check refused it
  ZeroBase,          // 0 to a power of 0 or below
  NegativeFraction,  // a negative base with an exponent between -1 and 0
  PositiveFraction,  // a negative base with an exponent between 0 and 1
  NoRealValue,       // a negative base with any other exponent that is not whole
};

struct PowerOutcome {
  double value = 0;
  PowerRefusal refusal = PowerRefusal::None;
};

// base^exponent, unless the range check or the domain refuses it, or the
// value is no real number.
PowerOutcome PowerValue(double base, double exponent) {
  if (!PowerRangeCheckPasses(base, exponent)) return {0, PowerRefusal::OutOfRange};
  if (base == 0 && exponent <= 0) return {0, PowerRefusal::ZeroBase};
  // A base of 0 with a negative exponent was refused just above.
  if (base < 0 && exponent > -1 && exponent < 0) return {0, PowerRefusal::NegativeFraction};
  if (base < 0 && exponent > 0 && exponent < 1) return {0, PowerRefusal::PositiveFraction};
  const double value = math::Pow(base, exponent);
  if (std::isnan(value)) return {0, PowerRefusal::NoRealValue};
  return {value, PowerRefusal::None};
}

// The power as a reader would write it: "(-8)^1.5".
std::string Written(double base, double exponent) {
  const std::string shownBase = ShownExactly(base);
  return (base < 0 ? "(" + shownBase + ")" : shownBase) + "^" + ShownExactly(exponent);
}

std::string RefusalReason(PowerRefusal refusal, double base, double exponent) {
  const std::string power = Written(base, exponent);
  switch (refusal) {
    case PowerRefusal::OutOfRange:
      return power + " goes beyond the range 1E-100 to 1E+100";
    case PowerRefusal::ZeroBase:
      return power + ": 0 has no power of 0 or below";
    case PowerRefusal::NegativeFraction:
      return power + ": a negative base cannot take an exponent between -1 and 0";
    case PowerRefusal::PositiveFraction:
      return power + ": a negative base cannot take an exponent between 0 and 1";
    default:
      return power + " has no real value: a negative base takes whole exponents only";
  }
}

}  // namespace

PassStep ApplyFirstPower(WorkingState& state) {
  if (!state.MayContain('^')) return PassStep::Nothing;
  const std::string_view text = state.Text();
  const PowerLook look = FindReadyPower(text);
  if (look.step == PassStep::Failed) {
    return look.unopened ? state.FailUnopenedBracket() : state.Fail("\"^\" has no base");
  }
  if (look.step != PassStep::Rewrote) return look.step;
  const PowerSite& site = look.site;
  const double base = ReadNumber(text.substr(site.baseBegin, site.baseEnd - site.baseBegin));
  const double exponent =
      ReadNumber(text.substr(site.caret + 1, site.exponentEnd - (site.caret + 1)));
  state.NoteComputation('^', base, exponent);
  const PowerOutcome outcome = PowerValue(base, exponent);
  if (outcome.refusal != PowerRefusal::None) {
    return state.Fail(RefusalReason(outcome.refusal, base, exponent));
  }
  // A power's own value is not held to the range: a later step or the result
  // is.
  return PutValue(state, outcome.value,
                  {.pos = site.replaceBegin,
                   .length = site.exponentEnd - site.replaceBegin,
                   .stage = "power",
                   .bracketed = true,
                   .checkRange = false,
                   .nonZero = base != 0},
                  [&] { return Written(base, exponent); });
}

}  // namespace zorvane
