// The one-pass replacement: the normalisation, the result forms and function
// mode rely on it neither searching what it has put in nor overlapping.
#include "engine/text_ops.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorvane
