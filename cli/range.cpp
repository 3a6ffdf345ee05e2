#include "cli/range.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "cli/split.h"

namespace zorvane::cli {
namespace {

// A decimal number taken apart: the sign, the digits before the point without
// leading zeros and the digits after it without trailing zeros.
struct Decimal {
  bool negative = false;
  std::string_view whole;
  std::string_view fraction;
};

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::optional<Decimal> ReadDecimal(std::string_view text) {
  Decimal number;
  if (text.starts_with('+') || text.starts_with('-')) {
    number.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  number.whole = text.substr(0, point);
  if (point != std::string_view::npos) number.fraction = text.substr(point + 1);
  if (!AllDigits(number.whole) || !AllDigits(number.fraction) ||
      number.whole.size() + number.fraction.size() == 0) {
    return std::nullopt;
  }
  while (number.whole.starts_with('0'))
    number.whole.remove_prefix(1);
  while (number.fraction.ends_with('0'))
    number.fraction.remove_suffix(1);
  return number;
}

// The number in units of 10^-scale (scale at least as long as its fraction),
// or nullopt when that takes more than Range::kMaxDigits digits.
std::optional<std::int64_t> Scaled(const Decimal& number, std::size_t scale) {
  std::string digits(number.whole);
  digits.append(number.fraction).append(scale - number.fraction.size(), '0');
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  if (digits.size() - first > static_cast<std::size_t>(Range::kMaxDigits)) return std::nullopt;
  std::int64_t value = 0;
  std::from_chars(digits.data() + first, digits.data() + digits.size(), value);
  return number.negative ? -value : value;
}

std::string Digits(std::uint64_t value) {
  std::array<char, 24> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return std::string(buffer.data(), end);
}

}  // namespace

std::optional<Range> Range::Parse(std::string_view text, std::string& error) {
  const std::string named = "range '" + std::string(text) + "': ";
  const std::size_t equals = text.find('=');
  const std::string_view variable = text.substr(0, equals);
  // FROM, TO and STEP
  const std::vector<std::string_view> parts = equals == std::string_view::npos
                                                  ? std::vector<std::string_view>()
                                                  : SplitAt(text.substr(equals + 1), ':');
  const bool namesVariable = variable.size() == 2 && (variable[0] == 'X' || variable[0] == 'x') &&
                             variable[1] >= '0' && variable[1] <= '9';
  if (!namesVariable || parts.size() != 3) {
    error = named + "write it as a variable X0 to X9, \"=\" and FROM:TO:STEP, as in X0=0:1:0.1";
    return std::nullopt;
  }

  std::array<Decimal, 3> numbers;
  std::size_t scale = 0;  // the finest decimal place among the three
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::optional<Decimal> number = ReadDecimal(parts[i]);
    if (!number) {
      error =
          named + "'" + std::string(parts[i]) + "' is not a decimal number such as 10, -2.5 or .25";
      return std::nullopt;
    }
    numbers[i] = *number;
    scale = std::max(scale, number->fraction.size());
  }
  std::optional<std::int64_t> from, to, step;
  if (scale <= static_cast<std::size_t>(kMaxDigits)) {
    from = Scaled(numbers[0], scale);
    to = Scaled(numbers[1], scale);
    step = Scaled(numbers[2], scale);
  }
  if (!from || !to || !step) {
    error = named + "FROM, TO and STEP written to the same decimal place take more than " +
            std::to_string(kMaxDigits) + " digits";
    return std::nullopt;
  }
  if (*step == 0) {
    error = named + "the step is 0";
    return std::nullopt;
  }
  const std::int64_t span = *to - *from;
  if ((span > 0 && *step < 0) || (span < 0 && *step > 0)) {
    error = named + "steps of " + std::string(parts[2]) + " go away from " + std::string(parts[1]);
    return std::nullopt;
  }

  Range range;
  range.variable_ = {'X', variable[1]};
  range.from_ = *from;
  range.step_ = *step;
  range.scale_ = static_cast<int>(scale);
  range.count_ = static_cast<std::uint64_t>(span / *step) + 1;
  return range;
}

std::string Range::ValueText(std::uint64_t index) const {
  const std::int64_t value = from_ + static_cast<std::int64_t>(index) * step_;
  const std::uint64_t size = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
  std::uint64_t unit = 1;
  for (int i = 0; i < scale_; ++i)
    unit *= 10;

  std::string text = value < 0 ? "-" : "";
  text += Digits(size / unit);
  std::string fraction = Digits(size % unit + unit).substr(1);  // keeps leading zeros
  while (fraction.ends_with('0'))
    fraction.pop_back();
  if (!fraction.empty()) text.append(".").append(fraction);
  return text;
}

}  // namespace zorvane::cli
