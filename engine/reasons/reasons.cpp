#include "engine/reasons/reasons.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "engine/math/functions.h"
#include "engine/passes/result_format.h"
#include "engine/text/characters.h"
#include "engine/text/number_text.h"
#include "engine/text/scan.h"

namespace zorvane {

std::string Shown(double value) {
  if (!std::isfinite(value)) return "a value too large to hold";
  return FormatResult(NumberText(value), {}, false).value_or(NumberText(value));
}

std::string ShownExactly(double value) {
  std::string shown = Shown(value);
  if (!std::isfinite(value) || ReadNumber(shown) == value) return shown;
  // The shortest text that reads back as the value, its exponent mark as typed.
  std::array<char, 64> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  shown.assign(buffer.data(), end);
  std::replace(shown.begin(), shown.end(), kExponentMark, kTypedExponentMark);
  return shown;
}

std::string WhereOutOfRange(std::string_view numberText) {
  return ExponentOfText(numberText) > 0 ? "outside ±1E+100" : "closer to 0 than 1E-100";
}

std::string ReadableWorkingText(std::string_view text) {
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    text = text.substr(1, text.size() - 2);
  }
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const Function* f = FunctionWithCode(text.substr(i, kCodeLength));
    const std::size_t numberEnd = IsDigit(text[i]) ? NumberCharsEnd(text, i) : i;
    const std::string_view number = text.substr(i, numberEnd - i);
    if (f != nullptr) {
      out.append(f->name);
      i += kCodeLength;
    } else if (number.find(kExponentMark) != std::string_view::npos) {
      out.append(ShownExactly(ReadNumber(number)));
      i = numberEnd;
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

std::string Quote(std::string_view token) {
  return "\"" + Readable(token) + "\"";
}

}  // namespace zorvane
