// zorvane-cli under locales whose decimal mark is not a point.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/cli/child_process.h"
#include "tests/cli/locale_cases.h"

namespace zorvane::testing {
namespace {

bool LocaleInstalled(const std::string& name) {
  // `locale -a` writes names such as de_DE.utf8.
  std::string wanted = name;
  if (const auto dot = wanted.find(".UTF-8"); dot != std::string::npos) {
    wanted.replace(dot, 6, ".utf8");
  }
  ChildSpec request;
  request.args = {"-a"};
  const ChildResult r = RunChild("/usr/bin/locale", request);
  return ("\n" + r.out).find("\n" + wanted + "\n") != std::string::npos;
}

std::string RunAll(const std::string& locale, bool fixE) {
  ChildSpec request;
  request.env = {{"LC_ALL", locale}};
  if (fixE) request.args.push_back("--fix-e");
  for (const LocaleCase& c : LocaleCases()) {
    if (c.fixE == fixE) request.input += c.expression + "\n";
  }
  const ChildResult r = RunCli(request);
  EXPECT_EQ(r.exitCode, 0) << locale;
  return r.out;
}

class CliLocale : public ::testing::TestWithParam<std::string> {};

TEST_P(CliLocale, ResultsAreTheSameAsInTheCLocale) {
  const std::string locale = GetParam();
  if (!LocaleInstalled(locale)) {
    // The C library falls back to the C locale; the run still shows that
    // nothing breaks, but it proves less.
    std::printf("note: locale %s is not installed; the run uses the C library's fallback\n",
                locale.c_str());
  }
  for (const bool fixE : {false, true}) {
    std::string expected;
    for (const LocaleCase& c : LocaleCases()) {
      if (c.fixE == fixE) expected += c.result + "\n";
    }
    EXPECT_EQ(RunAll("C", fixE), expected);
    EXPECT_EQ(RunAll(locale, fixE), expected) << locale;
  }
}

TEST_P(CliLocale, ArgumentsAreReadWithAPoint) {
  ChildSpec request;
  request.env = {{"LC_ALL", GetParam()}};
  // "1,5" is no number in any locale: a comma is no token.
  request.args = {"1.5*2", "1,5*2", "--", "-1.25"};
  const ChildResult r = RunCli(request);
  EXPECT_EQ(r.out, "3\nerror\n-1.25\n");
  EXPECT_EQ(r.exitCode, 1);
}

INSTANTIATE_TEST_SUITE_P(Locales, CliLocale,
                         ::testing::Values("de_DE.UTF-8", "ja_JP.UTF-8", "fr_FR.UTF-8"),
                         [](const auto& info) {
                           std::string name = info.param.substr(0, 5);
                           return name;
                         });

}  // namespace
}  // namespace zorvane::testing
