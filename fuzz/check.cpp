#include "fuzz/check.h"

#include <cstdio>
#include <cstdlib>

namespace zorvane::fuzz {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t CountDigits(std::string_view text, std::size_t from) {
  std::size_t at = from;
  while (at < text.size() && IsDigit(text[at]))
    ++at;
  return at - from;
}

// Writes a text as a C string literal, so that it can be pasted into a test.
void PrintQuoted(std::string_view text) {
  std::fputc('"', stderr);
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      std::fprintf(stderr, "\\%c", c);
    } else if (u >= 0x20 && u < 0x7f) {
      std::fputc(c, stderr);
    } else {
      std::fprintf(stderr, "\\x%02x\"\"", u);
    }
  }
  std::fputc('"', stderr);
}

}  // namespace

void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "\nINVARIANT VIOLATED: %s\n  text: ", what);
  PrintQuoted(detail.substr(0, 2000));
  std::fprintf(stderr, "%s\n", detail.size() > 2000 ? " ..." : "");
  std::abort();
}

bool IsNumberResult(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && text[at] == '-') ++at;
  const std::size_t integerDigits = CountDigits(text, at);
  at += integerDigits;
  std::size_t fractionDigits = 0;
  if (at < text.size() && text[at] == '.') {
    ++at;
    fractionDigits = CountDigits(text, at);
    if (fractionDigits == 0) return false;  // no trailing point
    at += fractionDigits;
  }
  if (integerDigits + fractionDigits == 0) return false;
  if (at == text.size()) return true;
  // Exponent form: one digit before the point, "E", a sign, two digits or three
  // without a leading zero.
  if (integerDigits != 1 || text[at] != 'E') return false;
  ++at;
  if (at == text.size() || (text[at] != '+' && text[at] != '-')) return false;
  ++at;
  const std::size_t exponentDigits = CountDigits(text, at);
  if (at + exponentDigits != text.size()) return false;
  return exponentDigits == 2 || (exponentDigits == 3 && text[at] != '0');
}

bool IsResultText(std::string_view text) {
  return text == "error" || IsNumberResult(text);
}

}  // namespace zorvane::fuzz
