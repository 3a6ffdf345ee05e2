// The edit boxes' text helpers, shared by every toolkit: positions between a
// box's UTF-16 text and the window's text (CR LF, UTF-8 bytes), the number a
// double-click picks within a line, and the part of a text a command's edit
// changes.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "window/number_at.h"
#include "window/text_change.h"
#include "window/text_positions.h"

namespace zorvane::window {
namespace {

// Each text as a box holds it (one unit per line break, as in Qt) and as window
// text, with its positions: box -> window, both ways. A line break counts two, a
// character its UTF-8 bytes; the last position is the end.
TEST(TextPositions, LineBreaksCountTwoAndCharactersTheirBytes) {
  const std::u16string breaks = u"1\n2\n\n3";
  const std::u16string wide = u"a\u03C0b\U0001F600c";  // pi: 2 bytes, the emoji 4
  const std::tuple<std::u16string, std::string, std::vector<std::pair<int, int>>> rows[] = {
      {u"", "", {{0, 0}}},
      {breaks, "1\r\n2\r\n\r\n3", {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 6}, {5, 8}, {6, 9}}},
      {wide, "a\u03C0b\U0001F600c", {{1, 1}, {2, 3}, {3, 4}, {5, 8}, {6, 9}}},  // in UTF-8
  };
  for (const auto& [plain, text, positions] : rows) {
    EXPECT_EQ(ToWindowText(plain), text);
    EXPECT_EQ(FromWindowText(text, u"\n"), plain);
    for (const auto& [box, windowPosition] : positions) {
      EXPECT_EQ(ToWindowPosition(plain, box), windowPosition) << box;
      EXPECT_EQ(FromWindowPosition(plain, windowPosition), box) << windowPosition;
    }
    EXPECT_EQ(WindowLength(plain), positions.back().second);
  }
  // Inside a line break or a character: its start. Beyond the end: the end.
  EXPECT_EQ(FromWindowPosition(breaks, 2), 1);
  EXPECT_EQ(FromWindowPosition(wide, 2), 1);
  EXPECT_EQ(FromWindowPosition(breaks, 100), int(breaks.size()));
}

// Every way a toolkit writes a line break is one CR LF of the window, and a box
// that holds CR LF itself (as a native edit control does) counts it once.
TEST(TextPositions, LineBreaksOfEveryToolkit) {
  const std::tuple<std::u16string, std::string> rows[] = {
      {u"1\r\n2", "1\r\n2"},
      {u"1\u20292", "1\r\n2"},  // the paragraph separator
      {u"1\r2\n3", "1\r\n2\r\n3"},
      {u"\xD800x\xDC00", "\xEF\xBF\xBDx\xEF\xBF\xBD"},  // unpaired surrogates: U+FFFD
  };
  for (const auto& [plain, text] : rows) {
    EXPECT_EQ(ToWindowText(plain), text);
    EXPECT_EQ(WindowLength(plain), int(text.size()));
  }
  EXPECT_EQ(ToWindowPosition(u"1\r\n2", 3), 3);
  EXPECT_EQ(FromWindowPosition(u"1\r\n2", 3), 3);
  EXPECT_EQ(FromWindowText("1\r2\n3\r\n4", u"\r\n"), u"1\r\n2\r\n3\r\n4");
  // Bytes that are no UTF-8 (a lone lead byte, a cut-off sequence, an overlong
  // form, an encoded surrogate) each become U+FFFD; valid ones stay.
  EXPECT_EQ(FromWindowText("\xC3+\xE2\x82\xC0\x80\xED\xA0\x80\xC3\xBC", u"\n"),
            u"\uFFFD+\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\u00FC");
}

// The number a double-click picks within one line.
TEST(NumberAt, PicksTheWholeNumber) {
  const std::tuple<std::u16string, int, std::u16string> rows[] = {
      {u"=1.414213562", 3, u"1.414213562"},
      {u"=1.414213562", 1, u"1.414213562"},   // between = and the number
      {u"=1.414213562", 12, u"1.414213562"},  // behind its last digit
      {u"=1.2345678E+04", 12, u"1.2345678E+04"},
      {u"=1.5E-10", 5, u"1.5E-10"},
      {u"2E5*3", 1, u"2E5"},
      {u"2E+*3", 0, u"2"},  // an exponent mark without digits is no part of it
      {u"12+34", 2, u"12"},
      {u"12+34", 3, u"34"},
      {u"=1.9", 3, u"1.9"},  // on the 9
      {u"SIN30", 1, u"none"},
      // A sign is the number's where it cannot be an operator.
      {u"=-.5", 3, u"-.5"},
      {u"=-.5", 1, u"-.5"},  // on the sign
      {u"-2", 1, u"-2"},     // at the start of the line
      {u"2-1.5", 3, u"1.5"},
      {u"2-1.5", 0, u"2"},
      {u"(+3)", 2, u"+3"},
      {u"{-3}", 2, u"-3"},
      {u"2*-3", 3, u"-3"},
      {u"2^-3", 3, u"-3"},
      {u"1--2", 3, u"-2"},
      {u"2E-.5", 4, u"-.5"},  // E with no digits behind it ends the 2
      {u"PI-2", 3, u"2"},
      {u"=1.5E-10", 2, u"1.5E-10"},
      {u"", 0, u"none"},
  };
  for (const auto& [line, position, picked] : rows) {
    const std::optional<NumberSpan> span = NumberAt(line, position);
    const std::u16string got = span ? line.substr(span->start, span->end - span->start) : u"none";
    EXPECT_TRUE(got == picked) << position;
  }
}

// What a command's edit replaces: the least part that differs, taking in the
// selection where typing would have made the edit.
TEST(ChangedPart, TheLeastPartAtTheSelection) {
  const std::tuple<std::u16string, std::u16string, std::size_t, std::size_t, TextChange> rows[] = {
      {u"1234", u"12734", 2, 2, {2, 0, 1}},
      {u"11", u"111", 1, 1, {1, 0, 1}},  // the 1 typed at the caret, not the one behind
      {u"11", u"111", 0, 0, {0, 0, 1}},
      {u"12+34", u"12+SIN(34)", 3, 5, {3, 2, 7}},
      {u"12+34", u"12+(34)", 3, 5, {3, 2, 4}},  // the selection goes whole
      {u"12", u"1", 2, 2, {1, 1, 0}},           // BackSpace
      {u"1+1", u"1", 1, 3, {1, 2, 0}},
      {u"12", u"12", 1, 1, {1, 0, 0}},   // nothing to write
      {u"5", u"", 0, 0, {0, 1, 0}},      // Clear
      {u"12", u"3.5", 2, 2, {0, 2, 3}},  // Paste: the whole text, caret or not
      {u"x😀", u"x😁", 3, 3, {1, 2, 2}},   // never half a pair
      {u"😀x", u"😁x", 0, 0, {0, 2, 2}},
      {u"\U0001F600", u"\U0001F200", 0, 0, {0, 2, 2}},  // the same second half
  };
  for (const auto& [now, wanted, start, end, change] : rows) {
    EXPECT_EQ(ChangedPart(now, wanted, start, end), change) << start << ".." << end;
    std::u16string written = now;
    written.replace(change.start, change.removed, wanted.substr(change.start, change.inserted));
    EXPECT_TRUE(written == wanted) << start << ".." << end;
  }
}

}  // namespace
}  // namespace zorvane::window
