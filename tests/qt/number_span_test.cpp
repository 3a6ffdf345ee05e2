// The number a double-click picks within one line.
#include "number_span.h"

#include <gtest/gtest.h>

#include <QString>

namespace zorvane::qt {
namespace {

TEST(NumberSpan, PicksTheWholeNumber) {
  struct Row {
    const char* line;
    int position;
    const char* picked;  // nullptr: no number there
  };
  const Row rows[] = {
      {"=1.414213562", 3, "1.414213562"},
      {"=1.414213562", 1, "1.414213562"},   // between = and the number
      {"=1.414213562", 12, "1.414213562"},  // behind its last digit
      {"=1.2345678E+04", 12, "1.2345678E+04"},
      {"=1.5E-10", 5, "1.5E-10"},
      {"2E5*3", 1, "2E5"},
      {"2E+*3", 0, "2"},  // an exponent mark without digits is no part of it
      {"12+34", 2, "12"},
      {"12+34", 3, "34"},
      {"SIN30", 1, nullptr},
      {"=error", 3, nullptr},
      {"", 0, nullptr},
  };
  for (const Row& row : rows) {
    const QString line = QString::fromLatin1(row.line);
    const std::optional<NumberSpan> span = NumberAt(line, row.position);
    SCOPED_TRACE(std::string(row.line) + " at " + std::to_string(row.position));
    ASSERT_EQ(span.has_value(), row.picked != nullptr);
    if (span) {
      EXPECT_EQ(line.mid(span->start, span->end - span->start), row.picked);
    }
  }
}

}  // namespace
}  // namespace zorvane::qt
