#include "window/text_positions.h"

#include <algorithm>
#include <cstdint>

#include "engine/text/utf8.h"

namespace zorvane::window {
namespace {

constexpr char16_t kParagraphSeparator = 0x2029;

// One character of a box's text: the code point it stands for (a line break
// as '\n'), its UTF-16 units and its window positions.
struct Character {
  char32_t code;
  int units;
  int window;
};

Character CharacterAt(std::u16string_view plain, std::size_t i) {
  const char16_t u = plain[i];
  if (u == u'\r') return {u'\n', i + 1 < plain.size() && plain[i + 1] == u'\n' ? 2 : 1, 2};
  if (u == u'\n' || u == kParagraphSeparator) return {u'\n', 1, 2};
  const auto [code, units] = DecodeUtf16(plain, i);
  return {code, static_cast<int>(units), static_cast<int>(Utf8Length(code))};
}

}  // namespace

std::string ToWindowText(std::u16string_view plain) {
  std::string text;
  text.reserve(plain.size());
  for (std::size_t i = 0; i < plain.size();) {
    const Character c = CharacterAt(plain, i);
    if (c.code == u'\n') {
      text.append("\r\n");
    } else {
      AppendUtf8(text, c.code);
    }
    i += static_cast<std::size_t>(c.units);
  }
  return text;
}

std::u16string FromWindowText(std::string_view text, std::u16string_view lineBreak) {
  std::u16string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '\r' || text[i] == '\n') {
      i += text.substr(i, 2) == "\r\n" ? 2 : 1;
      plain.append(lineBreak);
      continue;
    }
    const auto [code, length] = DecodeUtf8(text, i);
    AppendUtf16(plain, code);
    i += length;
  }
  return plain;
}

int WindowLength(std::u16string_view plain) {
  return ToWindowPosition(plain, static_cast<int>(std::min<std::size_t>(plain.size(), INT32_MAX)));
}

int ToWindowPosition(std::u16string_view plain, int position) {
  const std::size_t end = static_cast<std::size_t>(std::max(position, 0));
  int window = 0;
  for (std::size_t i = 0; i < end && i < plain.size();) {
    const Character c = CharacterAt(plain, i);
    window += c.window;
    i += static_cast<std::size_t>(c.units);
  }
  return window;
}

int FromWindowPosition(std::u16string_view plain, int position) {
  int window = 0;
  std::size_t i = 0;
  while (i < plain.size()) {
    const Character c = CharacterAt(plain, i);
    if (window + c.window > position) break;
    window += c.window;
    i += static_cast<std::size_t>(c.units);
  }
  return static_cast<int>(i);
}

}  // namespace zorvane::window
