#pragma once

#include <functional>
#include <string_view>

namespace zorvane {

// Receives the working text after each step of an evaluation: the stage that
// produced it ("wrap", "exponent", "syntax", "power", "function", "arithmetic",
// "bracket", "signs") and the whole text. Why an evaluation failed is no step:
// its outcome carries it (see failure.h). Evaluations take a pointer to a
// sink; a null pointer costs nothing.
using TraceSink = std::function<void(std::string_view stage, std::string_view text)>;

inline void Trace(const TraceSink* sink, std::string_view stage, std::string_view text) {
  if (sink != nullptr) (*sink)(stage, text);
}

}  // namespace zorvane
