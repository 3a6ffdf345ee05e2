#pragma once

#include <string>
#include <vector>

namespace zorvane::testing {

// Expressions with decimals and their results, the same in every locale: the
// point is the decimal mark, whatever the user's language.
struct LocaleCase {
  std::string expression;
  bool fixE;
  std::string result;
};

inline const std::vector<LocaleCase>& LocaleCases() {
  static const std::vector<LocaleCase> cases{
      {"1.5+1.25", false, "2.75"},
      {"1.5+1.25", true, "2.75E+00"},
      {"1/3", false, "0.3333333333"},
      {"2^0.5", false, "1.414213562"},
      {"1E-5*3", false, "0.00003"},
      {"1.5E-3*2E5", false, "300"},
      {"12345.678", false, "12345.678"},
      {"12345.678*1", true, "1.2345678E+04"},
      {"-0.5*1", false, "-.5"},
      {"0.1+0.2", false, "0.3"},
      {"SQR(2)/2", false, "0.7071067812"},
      {"1/300", false, "3.333333333E-03"},
      {"0.00000000015", false, "1.5E-10"},
      {"1234567.5*1000", false, "1234567500"},
      {"PI", false, "3.141592654"},
  };
  return cases;
}

}  // namespace zorvane::testing
