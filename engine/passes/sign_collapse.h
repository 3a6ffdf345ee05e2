#pragma once

#include <string>
#include <vector>

#include "engine/text/scan.h"

namespace zorvane {

// The seven one-pass replacements that tidy the signs around a substituted
// value: "++" by "+", "-+" by "-", "/+" by "/", "*+" by "*", "--" by "+",
// "(+" by "(", "+-" by "-", in that order, applied to the characters
// [begin, end) of `text` as if they were a text of their own; the rest of the
// text moves up. Returns the new end of the range.
std::size_t CollapseSignsInRange(std::string& text, std::size_t begin, std::size_t end);

// True when one of the seven rules rewrites the pair `first`, `second`.
inline bool IsCollapsiblePair(char first, char second) {
  if (!IsSign(second)) return false;
  if (IsSign(first)) return true;
  return second == '+' && (first == '/' || first == '*' || first == '(');
}

// True when two signs stand side by side somewhere in `text`.
bool HasSignPair(std::string_view text);

// Normalisation of the typed text: "--" by "+", "+-" by "-", "-+" by "-",
// "++" by "+", repeated while any of the four pairs remains. Keeps
// `positions` (see ReplaceAllTracked) in step.
void CollapseSignPairs(std::string& text, std::vector<std::size_t>& positions);

}  // namespace zorvane
