#pragma once

// UTF-8 and UTF-16 for texts that people type and toolkits hand over, which
// need not be well formed. A byte that begins no well-formed UTF-8 character
// is a character of its own, one byte long, standing for U+FFFD; so is an
// unpaired surrogate in UTF-16. Every front end and the engine read and write
// characters through these, so that a text means the same everywhere.

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One character of a text: its code point and how many code units (bytes, or
// UTF-16 units) it takes there.
struct TextCharacter {
  char32_t code;
  std::size_t length;
  friend bool operator==(const TextCharacter&, const TextCharacter&) = default;
};

// How many bytes the UTF-8 sequence that `lead` begins has: 2 to 4 for a lead
// byte, else 1 (ASCII, a continuation byte, or a byte no sequence begins with).
std::size_t SequenceLength(unsigned char lead);

// Whether `byte` continues a UTF-8 sequence (10xxxxxx) instead of beginning one.
constexpr bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u;
}

// The halves of a UTF-16 surrogate pair: the first (D800..DBFF) and the
// second (DC00..DFFF); a code point between D800 and DFFF is no character.
constexpr bool IsFirstHalf(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsSecondHalf(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}
constexpr bool IsSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

// The character that begins at byte `i` of `text`. Where no well-formed one
// begins (a stray continuation byte, a sequence broken or cut off by the end,
// an overlong form, a surrogate, a code point beyond U+10FFFF), the one byte at
// `i` stands for U+FFFD.
TextCharacter DecodeUtf8(std::string_view text, std::size_t i);

// Length of the character that begins at `i`: the whole UTF-8 sequence when
// one that is well formed begins there, else 1 (a byte of no character).
inline std::size_t CharacterLength(std::string_view text, std::size_t i) {
  return DecodeUtf8(text, i).length;
}

// The character that begins at unit `i` of `text`: a surrogate pair, or one
// unit; an unpaired surrogate stands for U+FFFD.
TextCharacter DecodeUtf16(std::u16string_view text, std::size_t i);

// How many bytes UTF-8 takes for `code`.
constexpr std::size_t Utf8Length(char32_t code) {
  return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

// `code` written at the end of `out`. Every code point below U+200000 is
// written as its bit pattern asks, surrogates included: only the readers judge.
void AppendUtf8(std::string& out, char32_t code);
void AppendUtf16(std::u16string& out, char32_t code);

// UTF-16 text as UTF-8, an unpaired surrogate as U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace zorvane
