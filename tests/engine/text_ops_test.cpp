// The one-pass replacement and the sign collapse: the normalisation, the result forms and function
// mode rely on it neither searching what it has put in nor overlapping.
#include "engine/text_ops.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/sign_collapse.h"

namespace zorvane {
namespace {

TEST(TextOps, ReplaceAllIsOnePassWithoutOverlap) {
  struct Row {
    const char* text;
    const char* from;
    const char* to;
    const char* expected;
  };
  const Row rows[] = {
      {"1+-+-2", "+-", "-", "1--2"},
      {"---", "--", "+", "+-"},
      {"aaa", "a", "aa", "aaaaaa"},
      {"abc", "", "x", "abc"},
      {"", "a", "b", ""},
      {"+++", "++", "+", "++"},
      {"x(+y", "(+", "(", "x(y"},
      {"EXPEXP", "EXP", "F[17]", "F[17]F[17]"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ReplaceAll(row.text, row.from, row.to), row.expected) << row.text;
    std::string inPlace = row.text;
    ReplaceAllShrinking(inPlace, row.from, row.to);
    EXPECT_EQ(inPlace, row.expected) << row.text;
  }
}

// The collapse of sign pairs, which looks only where a rewrite may have put
// two signs side by side, against the seven replacements applied in turn.
TEST(SignCollapse, EqualsTheSevenReplacementsInTurn) {
  const char* const rules[][2] = {{"++", "+"}, {"-+", "-"}, {"/+", "/"}, {"*+", "*"},
                                  {"--", "+"}, {"(+", "("}, {"+-", "-"}};
  const std::string alphabet = "+-*/(1e";
  std::mt19937 random(7);
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    const int length = static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k)
      text += alphabet[random() % alphabet.size()];
    std::string expected = text;
    for (const auto& rule : rules)
      expected = ReplaceAll(expected, rule[0], rule[1]);
    std::string collapsed = text;
    const std::size_t end = CollapseSignsInRange(collapsed, 0, collapsed.size());
    EXPECT_EQ(end, collapsed.size()) << text;
    ASSERT_EQ(collapsed, expected) << text;
  }
}

}  // namespace
}  // namespace zorvane
