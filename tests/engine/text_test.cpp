// The text module: UTF-8 and UTF-16 at the edges of what is well formed (the
// window's conversions in tests/window/text_helpers_test.cpp and the reasons'
// escapes in cases/reasons.tsv cover the ordinary characters and breaks), and
// the one rule of capitals.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/text/capitals.h"
#include "engine/text/utf8.h"

namespace zorvane {
namespace {

constexpr char32_t kNone = kReplacementCharacter;

// Each text's first character: its code point and bytes. A well-formed one is
// written back as the same bytes.
TEST(Utf8, TheLimitsOfEachSequenceLength) {
  const std::tuple<std::string, char32_t, std::size_t> rows[] = {
      {"\x7F", 0x7F, 1},
      {"\xC2\x80", 0x80, 2},
      {"\xDF\xBF", 0x7FF, 2},
      {"\xC1\xBF", kNone, 1},  // overlong
      {"\xE0\x9F\xBF", kNone, 1},
      {"\xE0\xA0\x80", 0x800, 3},
      {"\xED\x9F\xBF", 0xD7FF, 3},  // the last before the surrogates
      {"\xEE\x80\x80", 0xE000, 3},
      {"\xEF\xBF\xBD", kNone, 3},  // U+FFFD itself, well formed
      {"\xEF\xBF\xBF", 0xFFFF, 3},
      {"\xF0\x8F\xBF\xBF", kNone, 1},
      {"\xF0\x90\x80\x80", 0x10000, 4},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
      {"\xF4\x90\x80\x80", kNone, 1},  // beyond U+10FFFF
      {"\xF5\x80\x80\x80", kNone, 1},
      {"\x80", kNone, 1},
      {"\xF0\x9F\x98", kNone, 1},  // cut off by the end of the text
  };
  for (const auto& [bytes, code, length] : rows) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    EXPECT_EQ(DecodeUtf8(bytes, 0), (TextCharacter{code, length}));
    EXPECT_EQ(CharacterLength(bytes, 0), length);
    if (length == bytes.size() && (length > 1 || code < 0x80)) {
      std::string written;
      AppendUtf8(written, code);
      EXPECT_EQ(written, bytes);
    }
  }
}

TEST(Utf16, OnlyAPairIsOneCharacter) {
  const std::tuple<std::u16string, char32_t, std::size_t> rows[] = {
      {u"\U00010000", 0x10000, 2},  // the first pair of all: D800 DC00
      {u"\U0001F600", 0x1F600, 2},
      {u"\U0010FFFF", 0x10FFFF, 2},
      {std::u16string{u'\xD83D'}, kNone, 1},             // the first half, at the end
      {std::u16string{u'\xD83D', u'\xD83D'}, kNone, 1},  // followed by another first half
      {std::u16string{u'\xDFFF'}, kNone, 1},             // the last second half, alone
      {u"\uFFFF", 0xFFFF, 1},
  };
  for (const auto& [units, code, length] : rows) {
    EXPECT_EQ(DecodeUtf16(units, 0), (TextCharacter{code, length})) << int(units[0]);
    std::u16string written;
    AppendUtf16(written, code);
    if (code != kNone) {
      EXPECT_EQ(written, units);
    }
  }
  // A whole text, as the Windows command line hands it over.
  EXPECT_EQ(ToUtf8(std::u16string{u'2', u'\xD83D', u'\xDE00', u'\xDFFF', u'x'}),
            "2\xF0\x9F\x98\x80\xEF\xBF\xBDx");
}

std::u16string Utf16(std::string_view text) {
  std::u16string units;
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i))
    AppendUtf16(units, DecodeUtf8(text, i).code);
  return units;
}

// Only a to z become capitals, in UTF-8 and in UTF-16 alike; the letters of
// other alphabets, which the evaluation rejects with its reason, stay as typed.
TEST(Capitals, OnlyAToZ) {
  const std::pair<std::string, std::string> rows[] = {
      {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {"`{@[AZ09+-*/^().=", "`{@[AZ09+-*/^().="},
      {"s\u0131n1", "S\u0131N1"},                    // the dotless i: no SIN1
      {"\u017Fin1", "\u017FIN1"},                    // the long s
      {"\u00DF", "\u00DF"},                          // sharp s: no SS
      {"2*\u03C0", "2*\u03C0"},                      // pi: no capital pi
      {"\uFF41\uFF21", "\uFF41\uFF21"},              // full-width a and A
      {"\u00E9\u00C9\u0101", "\u00E9\u00C9\u0101"},  // letters with marks
  };
  for (const auto& [typed, shown] : rows) {
    EXPECT_EQ(ToCapitals(typed), shown);
    EXPECT_EQ(ToCapitals(Utf16(typed)), Utf16(shown)) << typed;
  }
}

}  // namespace
}  // namespace zorvane
