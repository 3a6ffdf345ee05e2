// Runs the expression tables in tests/engine/cases. A row is three fields
// separated by tabs: flags, input, expected. Flags are "-" or a comma list of
//   deg, fixe    the check boxes the evaluation reads;
//   exponent, syntax
//                expected is the last working text that stage reports, or
//                "none" when it reports none (the evaluation failed before it);
//   toolong      the evaluation is given up as too long (checked on every row).
// Lines starting with ">" and a tab that follow a row list its worked working
// texts: every distinct text from the one the syntax check hands on to the last.
// In input and expected, \r \n \t \0 \\ and \xHH stand for those characters and
// \{N:text} for text repeated N times. Lines starting with "#" are comments.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <locale>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/evaluate.h"
#include "tests/engine/trace_capture.h"

namespace zorvane {
namespace {

std::string Unescape(std::string_view field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      text += field[i];
      continue;
    }
    const char c = field[++i];
    if (c == '{') {
      const std::size_t colon = field.find(':', i);
      const std::size_t close = field.find('}', colon);
      const int count = std::stoi(std::string(field.substr(i + 1, colon - i - 1)));
      for (int k = 0; k < count; ++k)
        text += field.substr(colon + 1, close - colon - 1);
      i = close;
    } else if (c == 'x') {
      text += static_cast<char>(std::stoi(std::string(field.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      text += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c == '0' ? '\0' : c;
    }
  }
  return text;
}

// A text as a message shows it: control characters escaped, long texts cut.
std::string Shown(std::string_view text) {
  std::string shown;
  for (const char c : text.substr(0, 120)) {
    if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
      shown += hex;
    } else {
      shown += c;
    }
  }
  return text.size() > 120 ? shown + "... (" + std::to_string(text.size()) + " characters)" : shown;
}

struct Row {
  int line = 0;
  std::vector<std::string> flags;
  std::string input;
  std::string expected;
  std::vector<std::string> steps;

  bool Has(std::string_view flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
  }
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (const char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

std::vector<Row> ReadTable(const std::string& path) {
  std::ifstream file(path);
  EXPECT_TRUE(file) << "cannot read " << path;
  std::vector<Row> rows;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (line.empty() || line.starts_with('#')) continue;
    const std::vector<std::string> fields = Split(line, '\t');
    if (fields[0] == ">" && fields.size() == 2 && !rows.empty()) {
      rows.back().steps.push_back(Unescape(fields[1]));
      continue;
    }
    Row row;
    row.line = number;
    if (fields[0] != "-") row.flags = Split(fields[0], ',');
    for (const std::string& flag : row.flags) {
      if (flag != "deg" && flag != "fixe" && flag != "exponent" && flag != "syntax" &&
          flag != "toolong") {
        ADD_FAILURE_AT(path.c_str(), number) << "unknown flag " << flag;
      }
    }
    if (fields.size() != 3) {
      ADD_FAILURE_AT(path.c_str(), number) << "a row has three fields: " << Shown(line);
      continue;
    }
    row.input = Unescape(fields[1]);
    row.expected = Unescape(fields[2]);
    rows.push_back(std::move(row));
  }
  return rows;
}

// Every distinct working text from the last one the syntax check reports on.
std::vector<std::string> WorkedTexts(const testing::TraceCapture& capture) {
  std::size_t from = capture.steps.size();
  for (std::size_t i = 0; i < capture.steps.size(); ++i) {
    if (capture.steps[i].first == "syntax") from = i;
  }
  testing::TraceCapture tail;
  tail.steps.assign(capture.steps.begin() + static_cast<std::ptrdiff_t>(from), capture.steps.end());
  return tail.Distinct();
}

void RunTable(const std::string& name) {
  const std::string path = std::string(ZORVANE_ENGINE_CASES) + "/" + name;
  const std::vector<Row> rows = ReadTable(path);
  EXPECT_FALSE(rows.empty()) << path;
  for (const Row& row : rows) {
    // Long inputs go through thousands of long working texts: keep them only
    // where the row looks at them.
    const bool traced = row.Has("exponent") || row.Has("syntax") || !row.steps.empty();
    testing::TraceCapture capture;
    const Outcome outcome = Evaluate(row.input, row.input, Options{row.Has("deg"), row.Has("fixe")},
                                     traced ? &capture.sink : nullptr);
    std::string actual = outcome.text;
    for (const char* stage : {"exponent", "syntax"}) {
      if (!row.Has(stage)) continue;
      const std::vector<std::string> texts = capture.Texts(stage);
      actual = texts.empty() ? "none" : texts.back();
    }
    if (actual != row.expected) {
      ADD_FAILURE_AT(path.c_str(), row.line)
          << "input:    " << Shown(row.input) << "\nexpected: " << Shown(row.expected)
          << "\nactual:   " << Shown(actual);
    }
    if (outcome.tooLong != row.Has("toolong")) {
      ADD_FAILURE_AT(path.c_str(), row.line)
          << Shown(row.input) << (outcome.tooLong ? " was" : " was not") << " given up as too long";
    }
    if (row.steps.empty()) continue;
    const std::vector<std::string> worked = WorkedTexts(capture);
    for (std::size_t i = 0; i < std::max(worked.size(), row.steps.size()); ++i) {
      const std::string want = i < row.steps.size() ? row.steps[i] : "(no more)";
      const std::string got = i < worked.size() ? worked[i] : "(no more)";
      if (want != got) {
        ADD_FAILURE_AT(path.c_str(), row.line + 1 + static_cast<int>(i))
            << "working text " << i + 1 << " of " << Shown(row.input) << "\nexpected: " << want
            << "\nactual:   " << got;
        break;
      }
    }
  }
}

TEST(Tables, Syntax) {
  RunTable("syntax.tsv");
}
TEST(Tables, Arithmetic) {
  RunTable("arithmetic.tsv");
}
TEST(Tables, Powers) {
  RunTable("powers.tsv");
}
TEST(Tables, Functions) {
  RunTable("functions.tsv");
}
TEST(Tables, ResultForms) {
  RunTable("result_forms.tsv");
}
TEST(Tables, Limits) {
  RunTable("limits.tsv");
}

// Sets the C and C++ global locales to `name`, which must write a decimal comma:
// under it, an engine that read or wrote numbers through the locale would fail.
bool UseDecimalCommaLocale(const char* name) {
  if (std::setlocale(LC_ALL, name) == nullptr) {
    std::cerr << "SKIPPED: locale " << name << " is not installed (try: localedef -i de_DE -f "
              << "UTF-8 de_DE.UTF-8); the engine's locale independence is not checked\n";
    return false;
  }
  try {
    std::locale::global(std::locale(name));
  } catch (const std::runtime_error&) {
    std::cerr << "SKIPPED: the C++ library cannot make the locale " << name << "\n";
    return false;
  }
  char printed[8];
  std::snprintf(printed, sizeof printed, "%.1f", 1.5);
  if (std::strcmp(printed, "1,5") != 0) {
    std::cerr << "SKIPPED: locale " << name << " prints 1.5 as " << printed << "\n";
    return false;
  }
  return true;
}

}  // namespace
}  // namespace zorvane

// With a locale name as its one argument, the tests run under that locale; the
// run exits with 77 (skipped) when the locale is missing or writes no comma.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc == 2 && !zorvane::UseDecimalCommaLocale(argv[1])) return 77;
  return RUN_ALL_TESTS();
}
