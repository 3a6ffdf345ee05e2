#pragma once

// Invariant checks shared by the fuzz targets. A violated invariant prints what
// was expected and aborts, so that libFuzzer keeps the input as a crash.

#include <string_view>

namespace zorvane::fuzz {

[[noreturn]] void Fail(const char* what, std::string_view detail);

inline void Check(bool ok, const char* what, std::string_view detail = {}) {
  if (!ok) Fail(what, detail);
}

// A result text as the log shows it after "=": "error", or a number in one of the
// result forms: an optional "-", digits with an optional point ("12.5", ".5",
// "-.5"), optionally followed by "E", a sign and two digits, or three digits for
// exponents of 100 and more (exponent form has one digit before the point).
bool IsResultText(std::string_view text);

// The same, without "error".
bool IsNumberResult(std::string_view text);

}  // namespace zorvane::fuzz
