// Positions between the Qt document (one character per line break, UTF-16) and
// the window's text (CR LF, UTF-8 bytes).
#include "text_positions.h"

#include <gtest/gtest.h>

namespace zorvane::qt {
namespace {

TEST(TextPositions, WindowTextRoundTrip) {
  struct Row {
    QString plain;
    std::string window;
  };
  const Row rows[] = {
      {QString(), ""},
      {QStringLiteral("1+2"), "1+2"},
      {QStringLiteral("1+\n2"), "1+\r\n2"},
      {QStringLiteral("\n\n"), "\r\n\r\n"},
      {QString::fromUtf8("\xCF\x80"), "\xCF\x80"},  // a Greek pi: two bytes
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ToWindowText(row.plain), row.window);
    EXPECT_EQ(FromWindowText(row.window), row.plain);
  }
  EXPECT_EQ(ToWindowText(QString(QChar::ParagraphSeparator)), "\r\n");
  EXPECT_EQ(FromWindowText("1\r2\n3"), QStringLiteral("1\n2\n3"));
}

TEST(TextPositions, LineBreaksCountTwo) {
  const QString plain = QStringLiteral("1\n2\n\n3");
  const int window[] = {0, 1, 3, 4, 6, 8, 9};
  for (int q = 0; q <= plain.size(); ++q) {
    EXPECT_EQ(ToWindowPosition(plain, q), window[q]) << q;
    EXPECT_EQ(FromWindowPosition(plain, window[q]), q) << q;
  }
  EXPECT_EQ(WindowLength(plain), 9);
  // Inside a line break: the start of the break.
  EXPECT_EQ(FromWindowPosition(plain, 2), 1);
  // Beyond the end: the end.
  EXPECT_EQ(FromWindowPosition(plain, 100), plain.size());
}

TEST(TextPositions, MultiByteCharacters) {
  const QString plain = QString::fromUtf8(
      "a\xCF\x80"
      "b\xF0\x9F\x98\x80"
      "c");  // a, pi, b, emoji, c
  EXPECT_EQ(WindowLength(plain), 1 + 2 + 1 + 4 + 1);
  EXPECT_EQ(ToWindowPosition(plain, 2), 3);
  EXPECT_EQ(FromWindowPosition(plain, 3), 2);
  EXPECT_EQ(FromWindowPosition(plain, 2), 1);  // inside the pi
  EXPECT_EQ(ToWindowPosition(plain, 5), 8);    // behind the surrogate pair
  EXPECT_EQ(FromWindowPosition(plain, 8), 5);
}

}  // namespace
}  // namespace zorvane::qt
