// The engine in a process whose locale writes and reads a decimal comma.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

#include "engine/evaluate.h"
#include "tests/cli/locale_cases.h"

namespace zorvane::testing {
namespace {

// Sets the C and C++ global locales for one test and puts "C" back after it.
class GermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
      GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (try: localedef -i de_DE -f UTF-8 "
                      "de_DE.UTF-8); the engine's locale independence is not checked";
    }
    try {
      std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
      std::setlocale(LC_ALL, "C");
      GTEST_SKIP() << "the C++ library cannot make the locale de_DE.UTF-8";
    }
  }
  void TearDown() override {
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
  }
};

TEST_F(GermanLocale, TheLocaleReallyUsesADecimalComma) {
  // Guards the test itself: with a point here, the cases below prove nothing.
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

TEST_F(GermanLocale, ResultsUseAPoint) {
  for (const LocaleCase& c : LocaleCases()) {
    EXPECT_EQ(EvaluateText(c.expression, Options{false, c.fixE}), c.result) << c.expression;
  }
}

TEST_F(GermanLocale, FunctionsAndDegreesUseAPoint) {
  EXPECT_EQ(EvaluateText("2*(1+SIN30)", Options{true, false}), "3");
  EXPECT_EQ(EvaluateText("TAN(45)", Options{true, false}), "1");
  EXPECT_EQ(EvaluateText("ATN(1)", Options{false, false}), "0.7853981634");
  EXPECT_EQ(EvaluateText("LN(2.5)", Options{false, false}), "0.9162907319");
  // A comma stays no token, also where the locale reads it as a decimal mark.
  EXPECT_EQ(EvaluateText("1,5+1", Options{}), "error");
}

}  // namespace
}  // namespace zorvane::testing
