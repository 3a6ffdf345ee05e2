// Runs the expression tables in tests/engine/cases. A row is tab-separated:
// flags, one or more inputs, expected. Flags are "-" or a comma list of
//   deg, fixe         the check boxes the evaluation reads;
//   exponent, syntax  expected is the last working text that stage reports, or
//                     "none" when it reports none (the evaluation failed before);
//   toolong           the evaluation is given up as too long (checked on every row);
//   why               expected is the reason the failure gives. On every row a
//                     failure gives a reason; a success none.
// Lines of ">", tab, text after a one-input row list its worked working texts:
// every distinct text from the one the syntax check hands on to the last.
// In inputs and expected, \r \n \t \0 \\ and \xHH stand for those characters,
// \{N:text} for text repeated N times. Lines starting with "#" are comments.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <locale>
#include <set>
#include <sstream>

#include "engine/evaluate.h"

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
  const auto has = [&row](std::string_view flag) { return row.flags.contains(std::string(flag)); };
  const std::string at = path + ":" + std::to_string(row.line) + ": ";
  std::string staged = "none";     // the last text of the stage the row names
  std::vector<std::string> steps;  // without repeats, from the syntax stage on
  const TraceSink sink = [&](std::string_view stage, std::string_view text) {
    if (has(stage)) staged = text;
    // Long inputs go through thousands of long working texts: keep them only where looked at.
    if (row.steps.empty()) return;
    if (stage == "syntax") steps.clear();
    if (steps.empty() || steps.back() != text) steps.emplace_back(text);
  };
  const Outcome outcome = Evaluate(row.input, Options{has("deg"), has("fixe")}, &sink);
  const bool failed = outcome.kind == OutcomeKind::Error;
  EXPECT_EQ(outcome.failure.has_value(), failed) << at << "a reason with every error";
  if (failed) {
    EXPECT_FALSE(outcome.failure->reason.empty()) << at << "the reason";
  }
  std::string actual = outcome.text;
  if (has("why")) actual = failed ? outcome.failure->reason : "none";
  if (has("exponent") || has("syntax")) actual = staged;
  EXPECT_EQ(actual, row.expected) << at << ::testing::PrintToString(row.input.substr(0, 100));
  EXPECT_EQ(failed && outcome.failure->tooLong, has("toolong")) << at << "too long";
  if (!row.steps.empty()) {
    EXPECT_EQ(steps, row.steps) << at << "working texts";
  }
}

class Tables : public ::testing::TestWithParam<std::string> {};
TEST_P(Tables, AllRowsHold) {
  const std::string path = std::string(ZORVANE_ENGINE_CASES) + "/" + GetParam() + ".tsv";
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
    const std::vector<std::string> flags = Split(fields[0], ',');
    for (std::size_t i = 1; i + 1 < fields.size(); ++i) {
      rows.push_back(
          {number, {flags.begin(), flags.end()}, Unescape(fields[i]), Unescape(fields.back()), {}});
    }
  }
  EXPECT_FALSE(rows.empty()) << path;
  for (const Row& row : rows)
    Check(path, row);
}
INSTANTIATE_TEST_SUITE_P(Cases, Tables,
                         ::testing::Values("syntax", "arithmetic", "powers", "functions",
                                           "result_forms", "limits", "reasons"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace zorvane

// With a locale name as its one argument, the tests run under that locale, which
// must print 1.5 as "1,5": an engine that read or wrote numbers through the
// locale would fail. The run exits with 77 (skipped) when there is no such locale.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc == 2) {
    char printed[8] = "";
    if (std::setlocale(LC_ALL, argv[1]) != nullptr) std::snprintf(printed, 8, "%.1f", 1.5);
    if (std::strcmp(printed, "1,5") != 0) return 77;
    std::locale::global(std::locale(argv[1]));
  }
  return RUN_ALL_TESTS();
}
