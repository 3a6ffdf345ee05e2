#include "engine/exponent_notation.h"

#include "engine/scan.h"

namespace zorvane {

// Each "E" is rewritten in turn from the left. What a rewrite puts in ends with
// ")" and holds no "E", so the text before the next "E" is final; one pass that
// builds the new text from the left therefore gives the same text as starting
// the search again from the beginning after every rewrite, in linear time.
bool ExpandExponentNotation(std::string& text) {
  if (text.find('E') == std::string::npos) return true;
  std::string out;
  out.reserve(text.size() + text.size() / 2 + 8);
  std::size_t p = 0;
  while (p < text.size()) {
    if (text[p] != 'E') {
      out.push_back(text[p++]);
      continue;
    }
    // Mantissa: the run of digits and points directly before the "E".
    std::size_t s = out.size();
    while (s > 0 && DigitOrPoint(out[s - 1]))
      --s;
    if (s == out.size()) return false;
    const std::string mantissa = out.substr(s);
    out.resize(s);
    // Exponent: one sign directly after the "E", then digits.
    std::size_t q = p;
    while (q + 1 < text.size()) {
      const char next = text[q + 1];
      if (IsDigit(next) || (IsSign(next) && q == p)) {
        ++q;
      } else {
        break;
      }
    }
    out.push_back('(');
    out.append(mantissa);
    out.append("*10^");
    out.append(text, p + 1, q - p);
    out.push_back(')');
    p = q + 1;
  }
  text = std::move(out);
  return true;
}

}  // namespace zorvane
