// The usual evaluation skips text it knows cannot change the outcome; here it
// must go through exactly the same working texts as one that looks at the
// whole text at every step.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/engine/trace_capture.h"

namespace zorvane {
namespace {

// Random expressions built from the tokens of the language, mostly well
// formed, with enough brackets, signs, powers and functions to reach every
// pass and every odd corner of them.
class ExpressionMaker {
 public:
  explicit ExpressionMaker(unsigned seed) : random_(seed) {}

  std::string Make() {
    std::string text;
    Expression(text, 0);
    return text;
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  void Number(std::string& text) {
    static const char* const kNumbers[] = {"0",      "1",     "2",   "3",    "0.5", ".25",
                                           "10",     "7.",    "1E2", "2E-3", "PI",  "100",
                                           "1.5E+1", "0.001", "45",  "90"};
    text += kNumbers[Pick(16)];
  }

  void Operand(std::string& text, int depth) {
    const int kind = depth > 4 ? 0 : Pick(9);
    if (Pick(5) == 0) text += Pick(2) ? "-" : "+";
    switch (kind) {
      case 0:
      case 1:
      case 2:
        Number(text);
        break;
      case 3:
      case 4:
        text += "(";
        Expression(text, depth + 1);
        if (Pick(12) != 0) text += ")";
        break;
      case 5:
      case 6: {
        static const char* const kNames[] = {"SIN", "COS", "TAN", "ASN", "ACS",
                                             "ATN", "LN",  "LOG", "SQR", "EXP"};
        text += kNames[Pick(10)];
        Operand(text, depth + 1);
        break;
      }
      default:
        Operand(text, depth + 1);
        text += "^";
        Operand(text, depth + 1);
        break;
    }
  }

  void Expression(std::string& text, int depth) {
    Operand(text, depth);
    const int terms = Pick(depth == 0 ? 6 : 3);
    for (int i = 0; i < terms; ++i) {
      static const char* const kOperators[] = {"+", "-", "*", "/", "^", "*-", "+-", "--"};
      text += kOperators[Pick(8)];
      Operand(text, depth);
    }
  }

  std::mt19937 random_;
};

TEST(FastPaths, SameWorkingTextsAsLookingAtTheWholeText) {
  ExpressionMaker maker(77);
  int results = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string text = maker.Make();
    const Options options{i % 2 == 0, i % 3 == 0};
    testing::TraceCapture fast;
    testing::TraceCapture whole;
    const Outcome a = Evaluate(text, text, options, &fast.sink);
    const Outcome b = EvaluateExhaustively(text, text, options, &whole.sink);
    ASSERT_EQ(a.text, b.text) << text;
    ASSERT_EQ(fast.Distinct(), whole.Distinct()) << text;
    results += a.kind == OutcomeKind::Result ? 1 : 0;
  }
  // Most of them must compute something, or the comparison proves little.
  EXPECT_GT(results, 4000);
}

}  // namespace
}  // namespace zorvane
