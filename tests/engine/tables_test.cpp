// Runs the expression tables in tests/engine/cases. A row is tab-separated:
// flags, one or more inputs, expected. Flags are "-" or a comma list of
//   deg, fixe         the check boxes the evaluation reads;
//   exponent, syntax  expected is the last working text that stage reports, or
//                     "none" when it reports none (the evaluation failed before);
//   toolong           the evaluation is given up as too long (checked on every row);
//   why               expected is the reason the failure gives. On every row a
//                     failure reports one reason, last, under "error"; a success none.
// Lines of ">", tab, text after a one-input row list its worked working texts:
// every distinct text from the one the syntax check hands on to the last.
// In inputs and expected, \r \n \t \0 \\ and \xHH stand for those characters,
// \{N:text} for text repeated N times. Lines starting with "#" are comments.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <locale>
#include <set>
#include <sstream>
#include <stdexcept>

#include "engine/evaluate.h"
#include "tests/engine/trace_capture.h"

namespace zorvane {
namespace {

std::string Unescape(const std::string& field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      text += field[i];
    } else if (field[++i] == '{') {
      const std::size_t colon = field.find(':', i);
      const std::size_t close = field.find('}', colon);
      for (int k = std::stoi(field.substr(i + 1, colon - i - 1)); k > 0; --k)
        text += field.substr(colon + 1, close - colon - 1);
      i = close;
    } else if (field[i] == 'x') {
      text += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      const std::size_t k = std::string_view("rnt0").find(field[i]);
      text += k == std::string_view::npos ? field[i] : std::string_view("\r\n\t\0", 4)[k];
    }
  }
  return text;
}

// An input as a failure message shows it: escaped and, when long, cut.
std::string Shown(const std::string& text) {
  return ::testing::PrintToString(text.substr(0, 100)) + (text.size() > 100 ? "..." : "");
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream stream(text + separator);
  for (std::string part; std::getline(stream, part, separator);)
    parts.push_back(part);
  return parts;
}

struct Row {
  int line = 0;
  std::set<std::string> flags;
  std::string input, expected;
  std::vector<std::string> steps;
};

void Check(const std::string& path, const Row& row) {
  const auto has = [&row](const char* flag) { return row.flags.contains(flag); };
  // Long inputs go through thousands of long working texts: keep them only where looked at.
  const bool traced = has("exponent") || has("syntax") || !row.steps.empty();
  testing::TraceCapture capture;
  capture.keep = traced;
  const Outcome outcome =
      Evaluate(row.input, row.input, Options{has("deg"), has("fixe")}, &capture.sink);
  const bool failed = outcome.text == "error";
  EXPECT_EQ(capture.reasons.size(), failed ? 1u : 0u) << path << ":" << row.line << ": reasons";
  EXPECT_EQ(capture.reasonLast, failed) << path << ":" << row.line << ": reason last";
  std::string actual = outcome.text;
  if (has("why")) actual = capture.reasons.empty() ? "none" : capture.reasons.back();
  for (const char* stage : {"exponent", "syntax"}) {
    const std::vector<std::string> texts = capture.Texts(stage);
    if (has(stage)) actual = texts.empty() ? "none" : texts.back();
  }
  EXPECT_EQ(actual, row.expected) << path << ":" << row.line << ": " << Shown(row.input);
  EXPECT_EQ(outcome.tooLong, has("toolong")) << path << ":" << row.line << ": too long";
  if (row.steps.empty()) return;
  std::size_t from = capture.steps.size();
  for (std::size_t i = 0; i < capture.steps.size(); ++i) {
    if (capture.steps[i].first == "syntax") from = i;
  }
  capture.steps.erase(capture.steps.begin(), capture.steps.begin() + static_cast<long>(from));
  EXPECT_EQ(capture.Distinct(), row.steps) << path << ":" << row.line << ": working texts";
}

void RunTable(const std::string& name) {
  const std::string path = std::string(ZORVANE_ENGINE_CASES) + "/" + name;
  const std::set<std::string> known{"deg", "fixe", "exponent", "syntax", "toolong", "why"};
  std::ifstream file(path);
  ASSERT_TRUE(file) << "cannot read " << path;
  std::vector<Row> rows;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (line.empty() || line.starts_with('#')) continue;
    const std::vector<std::string> fields = Split(line, '\t');
    if (fields[0] == ">" && fields.size() == 2 && !rows.empty()) {
      rows.back().steps.push_back(Unescape(fields[1]));
      continue;
    }
    ASSERT_GE(fields.size(), 3u) << path << ":" << number << ": flags, inputs, expected";
    std::set<std::string> flags;
    for (const std::string& flag :
         fields[0] == "-" ? std::vector<std::string>{} : Split(fields[0], ',')) {
      ASSERT_TRUE(known.contains(flag)) << path << ":" << number << ": flag " << flag;
      flags.insert(flag);
    }
    for (std::size_t i = 1; i + 1 < fields.size(); ++i)
      rows.push_back({number, flags, Unescape(fields[i]), Unescape(fields.back()), {}});
  }
  EXPECT_FALSE(rows.empty()) << path;
  for (const Row& row : rows)
    Check(path, row);
}

class Tables : public ::testing::TestWithParam<std::string> {};
TEST_P(Tables, AllRowsHold) {
  RunTable(GetParam() + ".tsv");
}
INSTANTIATE_TEST_SUITE_P(Cases, Tables,
                         ::testing::Values("syntax", "arithmetic", "powers", "functions",
                                           "result_forms", "limits", "reasons"),
                         [](const auto& info) { return info.param; });

// Sets the C and C++ global locales to `name`, which must print 1.5 as "1,5":
// under it, an engine that read or wrote numbers through the locale would fail.
bool UseDecimalCommaLocale(const char* name) {
  char printed[8] = "";
  if (std::setlocale(LC_ALL, name) != nullptr) std::snprintf(printed, sizeof printed, "%.1f", 1.5);
  try {
    std::locale::global(std::locale(name));
  } catch (const std::runtime_error&) {
    printed[0] = '\0';
  }
  if (std::strcmp(printed, "1,5") == 0) return true;
  std::cerr << "SKIPPED: no locale " << name << " that prints 1.5 as 1,5 (try: localedef -i "
            << "de_DE -f UTF-8 de_DE.UTF-8); the engine's locale independence is not checked\n";
  return false;
}

}  // namespace
}  // namespace zorvane

// With a locale name as its one argument, the tests run under that locale; the
// run exits with 77 (skipped) when the locale is missing or prints no comma.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc == 2 && !zorvane::UseDecimalCommaLocale(argv[1])) return 77;
  return RUN_ALL_TESTS();
}
