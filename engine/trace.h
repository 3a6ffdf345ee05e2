#pragma once

#include <functional>
#include <string_view>

namespace zorvane {

// Receives the working text after each step of an evaluation: the stage that
// produced it ("wrap", "exponent", "syntax", "power", "function", "arithmetic",
// "bracket", "signs") and the whole text. A failed evaluation ends with one
// call under "error" whose text says why in plain words, such as
// `LN needs a positive argument, got 0`; positions in it count the characters
// of the expression as typed, blanks and line breaks left out, from 1.
// Evaluations take a pointer to a sink; a null pointer costs nothing.
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
