#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane::cli {

// The values of one variable for a table, from "X0=FROM:TO:STEP": FROM,
// FROM+STEP, FROM+2*STEP, ... as long as they do not pass TO; TO itself when a
// step lands on it. FROM, TO and STEP are decimal numbers (an optional sign,
// digits and an optional point, no exponent mark); the values are worked out
// as whole multiples of the finest decimal place among the three, so no step
// is ever rounded: 0:1:0.1 gives 0, 0.1, 0.2, ... 1.
class Range {
 public:
  // At most this many digits in FROM, TO and STEP written to that finest
  // place, so that every value is exact in 64 bits.
  static constexpr int kMaxDigits = 17;

  // Reads the text given to --range; nullopt with `error` saying why for a
  // text that is not a range of at least one value (a zero step, or one that
  // runs away from TO).
  static std::optional<Range> Parse(std::string_view text, std::string& error);

  // The variable, "X0" to "X9".
  const std::string& Variable() const { return variable_; }

  // How many values the range gives (at least 1; up to 10^17).
  std::uint64_t Count() const { return count_; }

  // The value at `index` (below Count()) as a decimal text without needless
  // zeros: "0", "0.1", "-2.5", "10".
  std::string ValueText(std::uint64_t index) const;

 private:
  std::string variable_;
  std::int64_t from_ = 0;  // in units of 10^-scale_
  std::int64_t step_ = 0;
  int scale_ = 0;
  std::uint64_t count_ = 0;
};

}  // namespace zorvane::cli
