// The edit boxes' text helpers: positions between the Qt document (one character
// per line break, UTF-16) and the window's text (CR LF, UTF-8 bytes), and the
// number a double-click picks within a line.
#include <gtest/gtest.h>

#include "number_span.h"
#include "text_positions.h"

namespace zorvane::qt {
namespace {

// Each text as plain and as window text, with its positions: document ->
// window, both ways. A line break counts two, a character its UTF-8 bytes; the
// last position is the end.
TEST(TextPositions, LineBreaksCountTwoAndCharactersTheirBytes) {
  const QString breaks = QStringLiteral("1\n2\n\n3");
  const QString wide = QStringLiteral("a\u03C0b\U0001F600c");  // pi: 2 bytes, the emoji 4
  const std::tuple<QString, std::string, std::vector<std::pair<int, int>>> rows[] = {
      {QString(), "", {{0, 0}}},
      {breaks, "1\r\n2\r\n\r\n3", {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 6}, {5, 8}, {6, 9}}},
      {wide, "a\u03C0b\U0001F600c", {{1, 1}, {2, 3}, {3, 4}, {5, 8}, {6, 9}}},  // in UTF-8
  };
  for (const auto& [plain, window, positions] : rows) {
    EXPECT_EQ(ToWindowText(plain), window);
    EXPECT_EQ(FromWindowText(window), plain);
    for (const auto& [document, windowPosition] : positions) {
      EXPECT_EQ(ToWindowPosition(plain, document), windowPosition) << document;
      EXPECT_EQ(FromWindowPosition(plain, windowPosition), document) << windowPosition;
    }
    EXPECT_EQ(WindowLength(plain), positions.back().second);
  }
  EXPECT_EQ(ToWindowText(QString(QChar::ParagraphSeparator)), "\r\n");
  EXPECT_EQ(FromWindowText("1\r2\n3"), QStringLiteral("1\n2\n3"));  // a lone CR or LF
  // Inside a line break or a character: its start. Beyond the end: the end.
  EXPECT_EQ(FromWindowPosition(breaks, 2), 1);
  EXPECT_EQ(FromWindowPosition(wide, 2), 1);
  EXPECT_EQ(FromWindowPosition(breaks, 100), breaks.size());
}

// The number a double-click picks within one line.
TEST(NumberSpan, PicksTheWholeNumber) {
  const std::tuple<const char*, int, const char*> rows[] = {
      {"=1.414213562", 3, "1.414213562"},
      {"=1.414213562", 1, "1.414213562"},   // between = and the number
      {"=1.414213562", 12, "1.414213562"},  // behind its last digit
      {"=1.2345678E+04", 12, "1.2345678E+04"},
      {"=1.5E-10", 5, "1.5E-10"},
      {"2E5*3", 1, "2E5"},
      {"2E+*3", 0, "2"},  // an exponent mark without digits is no part of it
      {"12+34", 2, "12"},
      {"12+34", 3, "34"},
      {"SIN30", 1, "none"},
      {"", 0, "none"},
  };
  for (const auto& [text, position, picked] : rows) {
    const QString line = QString::fromLatin1(text);
    const std::optional<NumberSpan> span = NumberAt(line, position);
    const QString got =
        span ? line.mid(span->start, span->end - span->start) : QStringLiteral("none");
    EXPECT_EQ(got.toStdString(), picked) << text << " at " << position;
  }
}

}  // namespace
}  // namespace zorvane::qt
