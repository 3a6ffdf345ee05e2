#include "engine/exponent_notation.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "engine/text_ops.h"

namespace zorvane {
namespace {

// The rewrite one "E" at a time, each time searching from the start again.
std::optional<std::string> ExpandOneAtATime(std::string text) {
  for (std::size_t p; (p = text.find('E')) != std::string::npos;) {
    std::size_t s = p;
    while (s > 0 && (IsDigit(text[s - 1]) || text[s - 1] == '.'))
      --s;
    if (s == p) return std::nullopt;
    std::size_t q = p;
    while (q + 1 < text.size() &&
           (IsDigit(text[q + 1]) || ((text[q + 1] == '+' || text[q + 1] == '-') && q == p))) {
      ++q;
    }
    text = text.substr(0, s) + "(" + text.substr(s, p - s) + "*10^" + text.substr(p + 1, q - p) +
           ")" + text.substr(q + 1);
  }
  return text;
}

std::optional<std::string> Expanded(std::string text) {
  if (!ExpandExponentNotation(text)) return std::nullopt;
  return text;
}

TEST(ExponentNotation, RewritesEachMarkAsAPowerOfTen) {
  struct Row {
    const char* text;
    std::optional<std::string> expected;
  };
  const Row rows[] = {
      {"(2E5)", "((2*10^5))"},
      {"(1.5E-3)", "((1.5*10^-3))"},
      {"(2E+03)", "((2*10^+03))"},
      {"(.5E2)", "((.5*10^2))"},
      {"(5.E2)", "((5.*10^2))"},
      {"(12E3+4)", "((12*10^3)+4)"},
      {"(F[17](1)+2E3+1)", "(F[17](1)+(2*10^3)+1)"},
      {"(1E2+3E4)", "((1*10^2)+(3*10^4))"},
      {"(SIN2E1)", "(SIN(2*10^1))"},
      {"(2^3E2)", "(2^(3*10^2))"},
      {"(-2E2)", "(-(2*10^2))"},
      {"(2E)", "((2*10^))"},
      {"(2E+)", "((2*10^+))"},
      {"(2E3.5)", "((2*10^3).5)"},
      {"(2E(3))", "((2*10^)(3))"},
      {"(1.2.3E4)", "((1.2.3*10^4))"},
      {"(.E3)", "((.*10^3))"},
      {"(2E+-3)", "((2*10^+)-3)"},
      {"(2e3)", "(2e3)"},
      {"(1E2E3)", std::nullopt},
      {"(E3)", std::nullopt},
      {"(PIE3)", std::nullopt},
      {"((2)E3)", std::nullopt},
      {"(2+E3)", std::nullopt},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Expanded(row.text), row.expected) << row.text;
}

TEST(ExponentNotation, OnePassMatchesRewritingOneMarkAtATime) {
  const std::string alphabet = "E0123.+-()^*PI";
  std::mt19937 random(12345);
  for (int i = 0; i < 20000; ++i) {
    std::string text = "(";
    const int length = static_cast<int>(random() % 14);
    for (int k = 0; k < length; ++k)
      text += alphabet[random() % alphabet.size()];
    text += ")";
    EXPECT_EQ(Expanded(text), ExpandOneAtATime(text)) << text;
  }
}

}  // namespace
}  // namespace zorvane
