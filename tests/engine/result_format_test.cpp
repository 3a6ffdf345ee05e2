#include "engine/result_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/number_text.h"

namespace zorvane {
namespace {

TEST(ResultFormat, TenSignificantDigitsInFixedOrExponentForm) {
  struct Row {
    double value;
    const char* plain;
    const char* fixE;
  };
  const Row rows[] = {
      {0, "0", "0E+00"},
      {1, "1", "1E+00"},
      {-1, "-1", "-1E+00"},
      {12345.678, "12345.678", "1.2345678E+04"},
      {1.0 / 3, "0.3333333333", "3.333333333E-01"},
      {2.0 / 3, "0.6666666667", "6.666666667E-01"},
      {10.0 / 3, "3.333333333", "3.333333333E+00"},
      {100.0 / 3, "33.33333333", "3.333333333E+01"},
      {31.0 / 3, "10.33333333", "1.033333333E+01"},
      {1.0 / 300, "3.333333333E-03", "3.333333333E-03"},
      {123456789, "123456789", "1.23456789E+08"},
      {9999999999, "9999999999", "9.999999999E+09"},
      {10000000000, "1E+10", "1E+10"},
      {-12.5, "-12.5", "-1.25E+01"},
      {-0.5, "-.5", "-5E-01"},
      {-0.00123, "-.00123", "-1.23E-03"},
      {0.000123, "0.000123", "1.23E-04"},
      {0.0000000001, "0.0000000001", "1E-10"},
      {0.00000000015, "1.5E-10", "1.5E-10"},
      {0.0000123456789, "1.23456789E-05", "1.23456789E-05"},
      {std::sqrt(2.0), "1.414213562", "1.414213562E+00"},
      {1e100, "1E+100", "1E+100"},
      {-1e-100, "-1E-100", "-1E-100"},
      {-0.0, "0", "0E+00"},
  };
  for (const Row& row : rows) {
    const std::string text = NumberText(row.value);
    EXPECT_EQ(FormatResult(text, text, false), row.plain) << text;
    EXPECT_EQ(FormatResult(text, text, true), row.fixE) << text;
  }
}

TEST(ResultFormat, LastComputedExponentIsCheckedOnce) {
  struct Row {
    std::string finalText;
    const char* last;
    const char* expected;  // nullptr: the evaluation fails
  };
  const Row rows[] = {
      {"1.000000000000000e+101", "1.000000000000000e+101", nullptr},
      {"1.000000000000000e-101", "1.000000000000000e-101", nullptr},
      {"1.000000000000000e+100", "1.000000000000000e+100", "1E+100"},
      {"1.000000000000000e-100", "1.000000000000000e-100", "1E-100"},
      // A typed number that needed no reduction is not checked.
      {"1" + std::string(101, '0'), "", "1E+101"},
      {"+3", "", "3"},
      // The guard reads the last computed text, not the final one.
      {"5", "1.000000000000000e+101", nullptr},
  };
  for (const Row& row : rows) {
    const auto result = FormatResult(row.finalText, row.last, false);
    if (row.expected == nullptr) {
      EXPECT_FALSE(result.has_value()) << row.finalText;
    } else {
      EXPECT_EQ(result, row.expected) << row.finalText;
    }
  }
}

}  // namespace
}  // namespace zorvane
