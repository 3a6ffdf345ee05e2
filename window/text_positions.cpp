#include "window/text_positions.h"

#include <algorithm>
#include <cstdint>

namespace zorvane::window {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char16_t kParagraphSeparator = 0x2029;

// One character of a box's text: the code point it stands for (a line break
// as '\n'), its UTF-16 units and its window positions.
struct Character {
  char32_t code;
  int units;
  int window;
};

bool IsHighSurrogate(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}

bool IsLowSurrogate(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

int Utf8Length(char32_t code) {
  return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

Character CharacterAt(std::u16string_view plain, std::size_t i) {
  const char16_t u = plain[i];
  if (u == u'\r') return {u'\n', i + 1 < plain.size() && plain[i + 1] == u'\n' ? 2 : 1, 2};
  if (u == u'\n' || u == kParagraphSeparator) return {u'\n', 1, 2};
  if (IsHighSurrogate(u) && i + 1 < plain.size() && IsLowSurrogate(plain[i + 1])) {
    const char32_t code = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (plain[i + 1] - 0xDC00);
    return {code, 2, 4};
  }
  const char32_t code = IsHighSurrogate(u) || IsLowSurrogate(u) ? kReplacement : char32_t(u);
  return {code, 1, Utf8Length(code)};
}

void AppendUtf8(std::string& out, char32_t code) {
  const int length = Utf8Length(code);
  if (length == 1) {
    out.push_back(static_cast<char>(code));
    return;
  }
  static constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
  char bytes[4];
  for (int k = length - 1; k > 0; --k) {
    bytes[k] = static_cast<char>(0x80 | (code & 0x3F));
    code >>= 6;
  }
  bytes[0] = static_cast<char>(kLead[length] | code);
  out.append(bytes, static_cast<std::size_t>(length));
}

void AppendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out.push_back(static_cast<char16_t>(code));
    return;
  }
  code -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

// The code point of the UTF-8 sequence at text[i] and its length in bytes; an
// invalid, overlong or cut-off sequence is one byte standing for U+FFFD.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return {lead, 1};
  const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                                                            : 0;
  if (length == 0 || i + length > text.size()) return {kReplacement, 1};
  char32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return {kReplacement, 1};
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  const bool overlong = code < (length == 3 ? 0x800u : length == 4 ? 0x10000u : 0x80u);
  if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {kReplacement, 1};
  return {code, length};
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
