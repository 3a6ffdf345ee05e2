#include "engine/syntax.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/engine/trace_capture.h"

namespace zorvane {
namespace {

// The working text that the syntax check hands on, or none when it fails.
std::optional<std::string> Checked(const std::string& input) {
  testing::TraceCapture capture;
  Evaluate(input, input, Options{}, &capture.sink);
  const auto texts = capture.Texts("syntax");
  if (texts.empty()) return std::nullopt;
  return texts.back();
}

struct Row {
  std::string input;
  std::optional<std::string> handedOn;  // none: the check fails
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows)
    EXPECT_EQ(Checked(row.input), row.handedOn) << row.input;
}

const std::nullopt_t kFails = std::nullopt;

TEST(Syntax, NamesBecomeCodesAndPiItsValue) {
  ExpectRows({
      {"PI", "(3.141592653589793)"},
      {"SQR(2)", "(F[20](2))"},
      {"ASN(0.5)+LOG(100)", "(F[14](0.5)+F[19](100))"},
      {"EXP(1)", "(F[17](1))"},
      {"SIN30", "(F[11]30)"},
      {"SIN-30", "(F[11]-30)"},
      {"SINCOS(0)", "(F[11]F[12](0))"},
      {"LN2+LOG2", "(F[18]2+F[19]2)"},
      {"TAN1*ACS1/ATN1", "(F[13]1*F[15]1/F[16]1)"},
      {"2^SIN(30)", "(2^F[11](30))"},
      {"SIN(30)^2", "(F[11](30)^2)"},
      {"SINPI", "(F[11]3.141592653589793)"},
  });
}

TEST(Syntax, BracketBalance) {
  ExpectRows({
      {"SIN(30", "(F[11](30))"},
      {"((2)", "(((2)))"},
      {"(((2)", kFails},
      {"2)", kFails},
      {"(", kFails},
      {")", kFails},
      {"", "()"},
      {"( )", "(())"},
      {"1)+(2", "(1)+(2)"},
  });
}

TEST(Syntax, NoImpliedProductAndNoDanglingOperator) {
  ExpectRows({
      {"2(3)", kFails},       {"(2)(3)", kFails},       {"2PI", kFails},
      {"PI2", kFails},        {"2SIN(1)", kFails},      {"(2)3", kFails},
      {"*2", kFails},         {"^2", kFails},           {"2+", kFails},
      {"2*", kFails},         {"2^", kFails},           {"-2", "(-2)"},
      {"+2", "(+2)"},         {"2^-3", "(2^-3)"},       {"2*-3", "(2*-3)"},
      {"2-^3", kFails},       {"2-*3", kFails},         {"2**3", kFails},
      {"2^^3", kFails},       {"2*/3", kFails},         {"SIN^2", kFails},
      {"SIN+COS(0)", kFails}, {"SIN*COS(0)", kFails},   {"SIN-COS(0)", kFails},
      {"SIN2SIN(1)", kFails}, {"SIN(1)SIN(1)", kFails},
  });
}

TEST(Syntax, NeighboursThatComputeNothingSensibleAreRefused) {
  ExpectRows({
      {"SIN*2", kFails},
      {"SIN/2", kFails},
      {"PISIN(1)", kFails},
      {"1.(2)", kFails},
      {"(2)PI", kFails},
      {"PI*2", "(3.141592653589793*2)"},
  });
}

TEST(Syntax, DecimalPoints) {
  ExpectRows({
      {".5", "(.5)"},
      {"5.", "(5.)"},
      {".", kFails},
      {"1.2.3", kFails},
      {"1..2", kFails},
      {"PI.5", kFails},
      {"5.PI", kFails},
      {"(2).5", kFails},
      {"5.SIN(1)", kFails},
  });
}

TEST(Syntax, UnknownCharactersAndSmallLetters) {
  ExpectRows({
      {"X1", kFails},
      {"2,5", kFails},
      {"2e3", kFails},
      {"2\t+1", kFails},
      {"1\n+2", kFails},
      {"1\r+2", kFails},
      {"1\r\n+2", "(1+2)"},
      {"a", kFails},
      {"2b", kFails},
      {"h2i", kFails},
      {"SIN(d)", kFails},
      {std::string("1\0", 2), kFails},
      {"1\xb2", kFails},
      {"=2", kFails},
      {"SIM(1)", kFails},
      {"ACOS(1)", kFails},
  });
}

TEST(Syntax, NumberLengthBounds) {
  const std::string digits101(101, '1');
  const std::string zeros99(99, '0');
  const std::string zeros100(100, '0');
  ExpectRows({
      {digits101, "(" + digits101 + ")"},
      {digits101 + "1", kFails},
      {digits101 + "1.5", kFails},
      {"1." + std::string(300, '7'), "(1." + std::string(300, '7') + ")"},
      {"0." + zeros99 + "1", "(0." + zeros99 + "1)"},
      {"0." + zeros100 + "1", kFails},
      {"." + zeros100 + "1", kFails},
      {"000." + zeros100 + "1", kFails},
      {"0." + std::string(150, '0'), "(0." + std::string(150, '0') + ")"},
      {"10." + zeros100 + "1", "(10." + zeros100 + "1)"},
      {"2+0." + zeros100 + "5", kFails},
  });
}

}  // namespace
}  // namespace zorvane
