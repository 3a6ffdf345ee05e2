#include "engine/text_ops.h"

#include <gtest/gtest.h>

namespace zorvane {
namespace {

TEST(TextOps, ReplaceAllIsOnePassWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("1+-+-2", "+-", "-"), "1--2");
  EXPECT_EQ(ReplaceAll("---", "--", "+"), "+-");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace zorvane
