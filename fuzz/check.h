#pragma once

// A violated invariant prints what was expected and the text (as a C string
// literal, to paste into a test) and aborts, so that libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zorvane::fuzz {

inline void Check(bool ok, const char* what, std::string_view text = {}) {
  if (ok) return;
  std::fprintf(stderr, "\nINVARIANT VIOLATED: %s\n  text: \"", what);
  for (const char c : text.substr(0, 2000)) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7f && c != '"' && c != '\\')
      std::fputc(c, stderr);
    else
      std::fprintf(stderr, "\\x%02x\"\"", u);
  }
  std::fprintf(stderr, "\"%s\n", text.size() > 2000 ? " ..." : "");
  std::abort();
}

}  // namespace zorvane::fuzz
