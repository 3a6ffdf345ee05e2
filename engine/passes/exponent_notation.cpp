#include "engine/passes/exponent_notation.h"

#include <cstddef>
#include <vector>

#include "engine/text/scan.h"

namespace zorvane {

// Each "E" is rewritten in turn from the left. What a rewrite puts in ends with
// ")" and holds no "E", so the text before the next "E" is final; one pass that
// builds the new text from the left therefore gives the same text as starting
// the search again from the beginning after every rewrite, in linear time.
std::size_t ExpandExponentNotation(std::string& text, std::vector<std::size_t>& positions) {
  if (text.find(kTypedExponentMark) == std::string::npos) return std::string::npos;
  std::string out;
  out.reserve(text.size() + text.size() / 2 + 8);
  std::vector<std::size_t> outPositions;
  outPositions.reserve(out.capacity());
  const auto put = [&](char c, std::size_t from) {
    out.push_back(c);
    outPositions.push_back(positions[from]);
  };
  std::size_t p = 0;
  while (p < text.size()) {
    if (text[p] != kTypedExponentMark) {
      put(text[p], p);
      ++p;
      continue;
    }
    // Mantissa: the run of digits and points directly before the "E".
    std::size_t s = out.size();
    while (s > 0 && DigitOrPoint(out[s - 1]))
      --s;
    if (s == out.size()) return p;
    // The mantissa stays where it is, behind the "(" put in before it, which
    // stands where its first character was typed; "*10^" stands for the "E".
    const std::size_t front = outPositions[s];
    out.insert(s, 1, '(');
    outPositions.insert(outPositions.begin() + static_cast<std::ptrdiff_t>(s), front);
    out.append("*10^");
    outPositions.insert(outPositions.end(), 4, positions[p]);
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
    for (std::size_t e = p + 1; e <= q; ++e)
      put(text[e], e);
    put(')', q);
    p = q + 1;
  }
  text = std::move(out);
  positions = std::move(outPositions);
  return std::string::npos;
}

}  // namespace zorvane
