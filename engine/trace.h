#pragma once

#include <functional>
#include <string_view>

namespace zorvane {

// Receives the working text after each step of an evaluation: the stage that
// produced it ("wrap", "exponent", "syntax", "power", "function", "arithmetic",
// "bracket", "signs") and the whole text. A failed evaluation ends with one
// call under "error" whose text says why in plain words, in the terms of the
// text as typed, such as `LN needs a positive argument, got 0` or
// `"T" is not a number, operator, bracket or function (line 1, column 4). Type
// "SQR" for the square root.`: a place is the line and column of the typed text
// (every character counts, a UTF-8 character as one; a line break starts a new
// line), and bytes that are no visible text are written escaped (\t, \xC3), so
// the text is fit to show as it is. Evaluations take a pointer to a sink; a
// null pointer costs nothing.
using TraceSink = std::function<void(std::string_view stage, std::string_view text)>;

inline void Trace(const TraceSink* sink, std::string_view stage, std::string_view text) {
  if (sink != nullptr) (*sink)(stage, text);
}

// Reports why the evaluation failed. `reason` (a callable giving the text) is
// called only when a sink listens, so that the usual path builds nothing.
template <class MakeReason>
void TraceFailure(const TraceSink* sink, MakeReason&& reason) {
  if (sink != nullptr) (*sink)("error", reason());
}

}  // namespace zorvane
