#include "engine/text_ops.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/number_text.h"

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
      {"EXPEXP", "EXP", "F[17]", "F[17]F[17]"},
      {"+++", "++", "+", "++"},
      {"x(+y", "(+", "(", "x(y"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ReplaceAll(row.text, row.from, row.to), row.expected) << row.text;
    std::string inPlace = row.text;
    ReplaceAllShrinking(inPlace, row.from, row.to);
    EXPECT_EQ(inPlace, row.expected) << row.text;
  }
}

TEST(TextOps, SubstringsClampTheirCounts) {
  EXPECT_EQ(Left("12", -1), "");
  EXPECT_EQ(Left("12", 5), "12");
  EXPECT_EQ(Left("12", 1), "1");
  EXPECT_EQ(Right("1234", 2), "34");
  EXPECT_EQ(Right("1234", -2), "");
  EXPECT_EQ(Right("1234", 9), "1234");
  EXPECT_EQ(Mid("1234", 1, 2), "23");
  EXPECT_EQ(Mid("1234", -3, 2), "12");
  EXPECT_EQ(Mid("1234", 2, -1), "");
  EXPECT_EQ(Mid("1234", 3, 10), "4");
  EXPECT_EQ(Mid("1234", 9, 1), "");
}

TEST(NumberText, ReadsTheLongestNumberAtTheStart) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {
      {"12.5", 12.5},
      {"-3", -3},
      {"+3", 3},
      {".5", 0.5},
      {"5.", 5},
      {"2.500000000000000e-003", 0.0025},
      {"1.5e+003)*2", 1500},
      {"7e", 7},
      {"7e+", 7},
      {"7E2", 700},
      {"", 0},
      {"-", 0},
      {".", 0},
      {"+-5", 0},
      {"--5", 0},
      {"inf", 0},
      {"nan", 0},
      {"infinity", 0},
      {"0x1p3", 0},
      {"1e-400", 0},
      {"-1e-400", 0},
      {"0.000000000000000e+000", 0},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ReadNumber(row.text), row.value) << row.text;
  EXPECT_TRUE(std::isinf(ReadNumber("1e400")));
  EXPECT_TRUE(std::signbit(ReadNumber("-0")));
}

TEST(NumberText, PrintsThreeDigitExponents) {
  EXPECT_EQ(NumberText(7), "7.000000000000000e+000");
  EXPECT_EQ(NumberText(-0.125), "-1.250000000000000e-001");
  EXPECT_EQ(NumberText(1e101), "1.000000000000000e+101");
  EXPECT_EQ(NumberText(0), "0.000000000000000e+000");
  EXPECT_EQ(NumberText(1e-300), "1.000000000000000e-300");
  EXPECT_EQ(Scientific(1234.5, 9), "1.234500000e+003");
  EXPECT_EQ(Fixed(0.5, 14), "0.50000000000000");
  EXPECT_EQ(Fixed(-1e-16, 14), "-0.00000000000000");
  EXPECT_EQ(ExponentOfText("1.000000000000000e+101"), 101);
  EXPECT_EQ(ExponentOfText("1.0e-007"), -7);
}

}  // namespace
}  // namespace zorvane

#include <random>

#include "engine/sign_collapse.h"

namespace zorvane {
namespace {

TEST(SignCollapse, EqualsTheSevenReplacementsInTurn) {
  const char* const rules[][2] = {{"++", "+"}, {"-+", "-"}, {"/+", "/"}, {"*+", "*"},
                                  {"--", "+"}, {"(+", "("}, {"+-", "-"}};
  const std::string alphabet = "+-*/(1e";
  std::mt19937 random(7);
  for (int i = 0; i < 50000; ++i) {
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
